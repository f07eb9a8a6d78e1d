CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
INSERT INTO Cuisine VALUES (1, 'MAG', 'TARTIFLETTE', '20 MN', '40 MN', 'a', 'Apremont', 'Reblochon' || char(13,10), 'Gratiner.' || char(13,10));
