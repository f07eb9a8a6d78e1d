CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
INSERT INTO Cuisine VALUES (1, 'PAI', 'FOUGASSE', '20 MN', '25 MN', 'a', '?', 'farine', 'Cuire.');
