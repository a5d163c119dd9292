#pragma once

#include <string>

// The one-page sheet of a glider, with LF line breaks; names are HTML-escaped.
std::string specificationSheetText(const std::string& name, const std::string& foilName,
                                   float totalWeight, float span, float wingArea,
                                   float wingLoading);

// Writes the sheet with CR LF line ends, replacing the file; false when it cannot.
bool writeSpecificationSheet(const std::string& filePath, const std::string& sheetText);
