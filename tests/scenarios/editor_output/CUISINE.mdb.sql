-- Two cards of AGNEAU: NAVARIN with its picture, GIGOT without.
CREATE TABLE Cuisine (Numero INTEGER, Categorie TEXT, Titre TEXT, TempPrepa TEXT, TempCuisson TEXT, Difficulte TEXT, Vin TEXT, Ingrediant TEXT, Preparation TEXT);
INSERT INTO Cuisine VALUES (1, 'AGN', 'NAVARIN', '30 MN', '1 H 30', 'aaa', 'Saint-Joseph', '1 kg d''épaule' || char(13,10) || 'navets nouveaux' || char(13,10), 'Faire revenir la viande coupée en morceaux dans une cocotte, saupoudrer de farine, mouiller de bouillon et laisser mijoter une heure.' || char(13,10) || 'Ajouter les navets et cuire encore trente minutes.' || char(13,10));
INSERT INTO Cuisine VALUES (2, 'AGN', 'GIGOT', '15 MN', '1 H', 'a', 'Pauillac', '1 gigot' || char(13,10), 'Rôtir.' || char(13,10));
