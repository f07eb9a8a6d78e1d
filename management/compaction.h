// "Compresse Base": the open base compacted in place.
#pragma once

void Compacter();
