CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < 200) INSERT INTO Cuisine SELECT i, 'DES', 'GÂTEAU ' || i, '10 MN', '20 MN', 'a', '?', printf('%.2000c', 'x'), printf('%.2000c', 'y') FROM n;
DELETE FROM Cuisine WHERE Numero > 3;
UPDATE Cuisine SET Numero = Numero;
