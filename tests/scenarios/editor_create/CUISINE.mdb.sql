-- Five cards, two of them desserts.
CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
INSERT INTO Cuisine VALUES (1, 'DES', 'TARTE TATIN', '30 MN', '45 MN', 'aa', 'Cidre', 'Pommes' || char(13,10), 'Caraméliser.' || char(13,10));
INSERT INTO Cuisine VALUES (2, 'AGN', 'NAVARIN', '30 MN', '1 H 30', 'aaa', 'Saint-Joseph', 'Épaule' || char(13,10), 'Mijoter.' || char(13,10));
INSERT INTO Cuisine VALUES (3, 'DES', 'FLAN', '10 MN', '40 MN', 'a', 'Muscat', 'Lait' || char(13,10), 'Cuire.' || char(13,10));
INSERT INTO Cuisine VALUES (4, 'LEG', 'RATATOUILLE', '30 MN', '1 H', 'a', 'Bandol', 'Légumes' || char(13,10), 'Mijoter.' || char(13,10));
INSERT INTO Cuisine VALUES (5, 'POI', 'SOLE MEUNIÈRE', '10 MN', '10 MN', 'aa', 'Chablis', 'Soles' || char(13,10), 'Poêler.' || char(13,10));
