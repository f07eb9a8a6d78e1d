-- The largest base: 32767 cards, the last one a dessert.
CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < 32766) INSERT INTO Cuisine SELECT i, 'PAI', 'PAIN ' || i, '', '?', 'a', '?', 'farine' || char(13,10), 'Cuire.' || char(13,10) FROM n;
INSERT INTO Cuisine VALUES (32767, 'DES', 'FLAN', '10 MN', '40 MN', 'a', 'Muscat', 'Lait' || char(13,10), 'Cuire.' || char(13,10));
