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
-- The walks of the whole table that read only the titles (the title check, the word search)
-- read them from this index, a small fraction of the table's pages.
CREATE INDEX Cuisine_Titre ON Cuisine (Titre);
-- A category's cards, with the number and title its list shows, without touching the table.
-- Numero is in it although renumbering rewrites it: that costs little beside the records' own
-- pages, and lets the walks by number read it from here too.
CREATE INDEX Cuisine_Categorie ON Cuisine (Categorie, Numero, Titre);
