-- Twelve cards; those of AGNEAU are numbers 4, 9 and 12. Only 9 has a picture (in other case).
CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
INSERT INTO Cuisine VALUES (1, 'BOE', 'POT-AU-FEU', '30 MN', '3 H', 'aa', 'Côtes-du-Rhône', 'Paleron' || char(13,10), 'Cuire.' || char(13,10));
INSERT INTO Cuisine VALUES (2, 'DES', 'TARTE TATIN', '30 MN', '45 MN', 'aa', 'Cidre', 'Pommes' || char(13,10), 'Caraméliser.' || char(13,10));
INSERT INTO Cuisine VALUES (3, 'BOE', 'BOEUF MIROTON', '20 MN', '1 H', 'a', 'Brouilly', 'Boeuf' || char(13,10), 'Mijoter.' || char(13,10));
INSERT INTO Cuisine VALUES (4, 'AGN', 'GIGOT DE SEPT HEURES', '20 MN', '7 H', 'a', 'Cahors', '1 gigot' || char(13,10) || '1 tête d''ail' || char(13,10), 'Dorer le gigot.' || char(13,10) || 'Cuire 7 heures à couvert.' || char(13,10));
INSERT INTO Cuisine VALUES (5, 'DES', 'CRÈME BRÛLÉE', '15 MN', '1 H', 'aa', 'Sauternes', 'Crème' || char(13,10), 'Cuire.' || char(13,10));
INSERT INTO Cuisine VALUES (6, 'LEG', 'RATATOUILLE', '30 MN', '1 H', 'a', 'Bandol rosé', 'Légumes' || char(13,10), 'Mijoter.' || char(13,10));
INSERT INTO Cuisine VALUES (7, 'DES', 'MOUSSE AU CHOCOLAT', '20 MN', '?', 'a', '?', 'Chocolat' || char(13,10), 'Monter.' || char(13,10));
INSERT INTO Cuisine VALUES (8, 'LEG', 'GRATIN DAUPHINOIS', '20 MN', '1 H', 'a', 'Chinon', 'Pommes de terre' || char(13,10), 'Gratiner.' || char(13,10));
INSERT INTO Cuisine VALUES (9, 'AGN', 'NAVARIN PRINTANIER', '30 MN', '1 H 30', 'aaa', 'Saint-Joseph', '1 kg d''épaule' || char(13,10) || 'Navets nouveaux' || char(13,10) || 'Petits pois', 'Faire revenir la viande.' || char(13,10) || 'Ajouter les légumes.' || char(13,10));
INSERT INTO Cuisine VALUES (10, 'POI', 'SOLE MEUNIÈRE', '10 MN', '10 MN', 'aa', 'Chablis', 'Soles' || char(13,10), 'Poêler.' || char(13,10));
INSERT INTO Cuisine VALUES (11, 'DES', 'ÎLE FLOTTANTE', '30 MN', '10 MN', 'aa', 'Muscat', 'Oeufs' || char(13,10), 'Pocher.' || char(13,10));
INSERT INTO Cuisine VALUES (12, 'AGN', 'ÉPAULE FARCIE', '40 MN', '2 H', 'aa', 'Pic-Saint-Loup', 'Épaule' || char(13,10), 'Farcir et rôtir.' || char(13,10));
