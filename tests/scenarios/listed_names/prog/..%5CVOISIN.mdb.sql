CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
INSERT INTO Cuisine VALUES (1, 'AGN', 'GIGOT D''AGNEAU', '15 MN', '1 H', 'aa', 'Bordeaux', 'un gigot' || char(13,10), 'Rôtir.' || char(13,10));
INSERT INTO Cuisine VALUES (2, 'DES', 'CRÈME BRÛLÉE', '20 MN', '40 MN', 'a', '?', 'crème' || char(13,10), 'Cuire.' || char(13,10));
INSERT INTO Cuisine VALUES (3, 'DES', 'TARTE AUX POMMES', '30 MN', '35 MN', 'aa', 'Cidre', 'pommes' || char(13,10), 'Cuire.' || char(13,10));
