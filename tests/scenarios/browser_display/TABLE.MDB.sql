CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
INSERT INTO Cuisine VALUES (1, 'DES', 'TARTE TATIN', '20 MN', '45 MN', 'aa', 'Cidre brut', '6 pommes' || char(13,10) || '100 g de sucre' || char(13,10) || '1 pâte brisée' || char(13,10), 'Caraméliser le sucre.' || char(13,10) || 'Ranger les pommes, couvrir de pâte, cuire.' || char(13,10));
INSERT INTO Cuisine VALUES (2, 'AGN', 'GIGOT D''AGNEAU', '15 MN', '1 H', 'aaa', 'Bordeaux', 'un gigot' || char(13,10) || 'ail' || char(13,10), 'Rôtir.' || char(13,10));
INSERT INTO Cuisine VALUES (3, 'DES', 'PAIN PERDU', '10 MN', '10 MN', 'a', '?', 'pain rassis' || char(13,10), 'Tremper, dorer.' || char(13,10));
INSERT INTO Cuisine VALUES (4, 'PAI', 'PAIN PERDU', '5 MN', '5 MN', 'b', '?', 'baguette' || char(13,10), 'Griller.' || char(13,10));
INSERT INTO Cuisine VALUES (5, 'PAI', 'PAIN', '20 MN', '40 MN', 'aa', '?', 'farine' || char(13,10) || 'levure' || char(13,10), 'Pétrir, cuire.' || char(13,10));
INSERT INTO Cuisine VALUES (6, 'POU', 'POULET RÔTI', NULL, '1 H', NULL, NULL, NULL, 'Rôtir.');
INSERT INTO Cuisine VALUES (7, 'ZZZ', 'SOUPE À L''OIGNON', '15 MN', '1 H', 'a', '?', 'oignons' || char(13,10), 'Mijoter.' || char(13,10));
INSERT INTO Cuisine VALUES (8, 'LEG', 'SOUPE À L''OIGNON', '10 MN', '45 MN', 'aa', '?', 'oignons' || char(13,10), 'Gratiner.' || char(13,10));
