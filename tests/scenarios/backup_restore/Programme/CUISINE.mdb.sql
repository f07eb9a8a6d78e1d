CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
INSERT INTO Cuisine VALUES (1, 'DES', 'TARTE TATIN', '30 MN', '45 MN', 'aa', 'Cidre', 'pommes', 'Caraméliser.'), (2, 'LEG', 'RATATOUILLE', '30 MN', '1 H', 'a', 'Rosé', 'courgettes', 'Mijoter.');
