// Taking the reply line in g_replyBuffer apart, in place: every comma at which a field is cut is
// overwritten with a zero byte.
#pragma once

#include <cstdint>

namespace vantrel {

// Cuts the field that starts at text at its comma, writes ParseNumber of it to *out (when out is
// not null) and returns the position after the comma, or null when the field ran to the end.
char* NextField(char* text, std::int32_t* out);

// Fills outputs[0..count-1] with the comma-separated fields of the reply buffer, read by
// ParseNumber. Returns 0 when all count fields were there, -11 when the reply ran out first.
int ParseReport(int* const outputs[], int count);

// count decimal fields starting at text; a field is converted only once the comma that ends it
// was found, except the last, which needs none.
void ParseDecimalFields(char* text, int* const outputs[], int count);

}  // namespace vantrel
