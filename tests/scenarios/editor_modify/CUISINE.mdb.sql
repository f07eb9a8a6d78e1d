-- Three desserts: TARTE and CLAFOUTIS have pictures, FLAN has none.
CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
INSERT INTO Cuisine VALUES (1, 'DES', 'TARTE', '30 MN', '45 MN', 'aa', 'Cidre', 'Pommes' || char(13,10), 'Cuire.' || char(13,10));
INSERT INTO Cuisine VALUES (2, 'DES', 'FLAN', '10 MN', '40 MN', 'a', 'Muscat', 'Lait' || char(13,10), 'Cuire.' || char(13,10));
INSERT INTO Cuisine VALUES (3, 'DES', 'CLAFOUTIS', '15 MN', '35 MN', 'a', 'Kirsch', 'Cerises' || char(13,10), 'Cuire.' || char(13,10));
