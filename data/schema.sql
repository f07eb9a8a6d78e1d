-- The empty template base: one table of recipe cards, read in rowid (insertion) order.
CREATE TABLE Cuisine (
    Numero INTEGER,
    Categorie TEXT,
    Titre TEXT,
    TempPrepa TEXT,
    TempCuisson TEXT,
    Difficulte TEXT,
    Vin TEXT,
    Ingrediant TEXT,
    Preparation TEXT
);
