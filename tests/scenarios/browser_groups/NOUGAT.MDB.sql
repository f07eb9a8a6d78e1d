CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
INSERT INTO Cuisine VALUES (1, 'NOU', 'NOUGAT DE MONTÉLIMAR', '30 MN', '10 MN', 'aaa', '?', 'miel' || char(13,10), 'Cuire.' || char(13,10));
INSERT INTO Cuisine VALUES (2, 'NOU', 'NOUGAT NOIR', '20 MN', '15 MN', 'aa', '?', 'miel' || char(13,10), 'Cuire.' || char(13,10));
