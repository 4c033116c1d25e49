#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace spreadsheet::xlsx {

// The package's docProps/app.xml with our program as the application that
// made it. The library names another there, and a reader that believes it
// applies that program's habits (LibreOffice rounds the row heights down by
// half a point). Throws spreadsheet::Error when the part has no application.
std::vector<std::uint8_t> nameOurApplication(const std::vector<std::uint8_t>& package);

// The part's text with "Tallyloom" as its application.
std::string withOurApplication(std::string appXml);

}  // namespace spreadsheet::xlsx
