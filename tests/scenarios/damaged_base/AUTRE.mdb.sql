CREATE TABLE Contacts (Nom TEXT, Telephone TEXT);
INSERT INTO Contacts VALUES ('Ana', '01 02 03 04 05');
