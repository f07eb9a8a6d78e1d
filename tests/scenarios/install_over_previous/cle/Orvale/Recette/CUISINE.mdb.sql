-- The user's own recipes, entered since the first installation.
CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
INSERT INTO Cuisine VALUES (1, 'DES', 'GATEAU DE MAMIE', '', '', 'a', '', 'oeufs', 'cuire');
INSERT INTO Cuisine VALUES (2, 'DES', 'CLAFOUTIS', '', '', 'a', '', 'cerises', 'cuire');
