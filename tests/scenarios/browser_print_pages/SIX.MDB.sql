CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
INSERT INTO Cuisine VALUES (1, 'AGN', 'NAVARIN D''AGNEAU', '30 MN', '2 H', 'aa', '?', 'x' || char(13,10), 'y' || char(13,10));
INSERT INTO Cuisine VALUES (2, 'DES', 'CLAFOUTIS', '15 MN', '35 MN', 'a', '?', 'x' || char(13,10), 'y' || char(13,10));
INSERT INTO Cuisine VALUES (3, 'DES', 'MOUSSE AU CHOCOLAT', '20 MN', '?', 'a', '?', 'x' || char(13,10), 'y' || char(13,10));
INSERT INTO Cuisine VALUES (4, 'LEG', 'RATATOUILLE', '30 MN', '1 H', 'a', '?', 'x' || char(13,10), 'y' || char(13,10));
INSERT INTO Cuisine VALUES (5, 'POU', 'POULE AU POT', '30 MN', '3 H', 'aa', '?', 'x' || char(13,10), 'y' || char(13,10));
INSERT INTO Cuisine VALUES (6, 'NOU', 'NOUGAT GLACÉ', '30 MN', '?', 'aa', '?', 'x' || char(13,10), 'y' || char(13,10));
