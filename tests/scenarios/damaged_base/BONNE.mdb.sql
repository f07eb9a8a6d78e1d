CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
INSERT INTO Cuisine VALUES (1, 'PAI', 'PAIN DE CAMPAGNE', '20 MN', '45 MN', 'aa', '?', 'farine' || char(13,10), 'Pétrir.' || char(13,10));
