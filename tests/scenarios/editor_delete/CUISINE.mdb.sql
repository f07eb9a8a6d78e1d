-- Cards 1 to 5 in two categories; all but 5 have pictures.
CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
INSERT INTO Cuisine VALUES (1, 'CHA', 'SOUPE A L''OIGNON', '20 MN', '1 H', 'a', 'Mâcon', 'Oignons' || char(13,10), 'Gratiner.' || char(13,10));
INSERT INTO Cuisine VALUES (2, 'AGN', 'NAVARIN', '30 MN', '1 H 30', 'aaa', 'Saint-Joseph', 'Épaule' || char(13,10), 'Mijoter.' || char(13,10));
INSERT INTO Cuisine VALUES (3, 'CHA', 'CREME CARAMEL', '10 MN', '40 MN', 'a', 'Muscat', 'Lait' || char(13,10), 'Cuire.' || char(13,10));
INSERT INTO Cuisine VALUES (4, 'AGN', 'GIGOT', '20 MN', '1 H', 'aa', 'Pauillac', 'Gigot' || char(13,10), 'Rôtir.' || char(13,10));
INSERT INTO Cuisine VALUES (5, 'CHA', 'GOUGERES', '20 MN', '25 MN', 'aa', 'Chablis', 'Comté' || char(13,10), 'Cuire.' || char(13,10));
