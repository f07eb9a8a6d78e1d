// "Compresse Base": the open base compacted in place.
#pragma once

// Compacts the base NomBase and opens it again in Db, telling the user how it went in one
// message. Returns false when the base could not be opened again (its file is gone, or another
// program holds it): Db is then closed and the caller goes back to the base list.
bool Compacter();
