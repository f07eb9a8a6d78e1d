CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
INSERT INTO Cuisine VALUES (1, 'DES', 'TARTE TATIN', '20 MN', '45 MN', 'aa', 'Cidre', 'pommes' || char(13,10), 'Cuire.' || char(13,10));
INSERT INTO Cuisine VALUES (2, 'VER', 'VERRINE AVOCAT CREVETTES', '15 MN', '?', 'a', '?', 'avocat' || char(13,10), 'Monter.' || char(13,10));
INSERT INTO Cuisine VALUES (3, 'AGN', 'GIGOT D''AGNEAU', '15 MN', '1 H', 'aa', 'Bordeaux', 'un gigot' || char(13,10), 'Rôtir.' || char(13,10));
INSERT INTO Cuisine VALUES (4, 'CHA', 'SOUFFLÉ AU FROMAGE', '20 MN', '30 MN', 'aaa', '?', 'comté' || char(13,10), 'Cuire.' || char(13,10));
INSERT INTO Cuisine VALUES (5, 'BEU', 'BEURRE D''ESCARGOT', '10 MN', '?', 'a', '?', 'beurre' || char(13,10), 'Mélanger.' || char(13,10));
INSERT INTO Cuisine VALUES (6, 'DES', 'CRÈME BRÛLÉE', '20 MN', '40 MN', 'a', '?', 'crème' || char(13,10), 'Cuire.' || char(13,10));
INSERT INTO Cuisine VALUES (7, 'agn', 'AGNEAU EN MINUSCULES', '?', '?', 'a', '?', 'x' || char(13,10), 'y' || char(13,10));
INSERT INTO Cuisine VALUES (8, 'AGN ', 'AGNEAU SUIVI D''UN BLANC', '?', '?', 'a', '?', 'x' || char(13,10), 'y' || char(13,10));
