-- A second demo base, not yet on the drive.
CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
INSERT INTO Cuisine VALUES (1, 'PAI', 'PAIN DE MIE', '', '', 'a', '', 'farine', 'cuire');
