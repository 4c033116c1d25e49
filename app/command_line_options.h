#pragma once
#include <optional>
#include <string>
#include <vector>

#include "generator/options.h"

namespace tallyloom {

// What `tallyloom ...` asks for, before the choices are resolved.
struct CommandLineRequest {
  enum class Kind { Help, Version, Generate };
  Kind kind = Kind::Help;
  std::string output;
  // The choices the options give, as the stored texts of their settings keys
  // (--weeks 3: NumberOfWeeks = "2"), in the order given: a later one wins.
  generator::StoredTexts choices;
  bool fromSettings = false;
  std::string picture;  // the used range's picture (.png or .bmp); empty: none
  std::string pdf;      // the print area on one page; empty: none
  std::string html;     // the print area as a web page; empty: none
  bool json = false;    // a one-line summary on stdout
};

// A mistake on the command line; the message names the option and what it accepts.
struct UsageError {
  std::string message;
};

// Parses the arguments after the program name. Returns the request, or the usage error.
struct ParsedCommandLine {
  std::optional<CommandLineRequest> request;
  std::optional<UsageError> error;
};
ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);

// The text of `tallyloom --help`.
std::string commandLineHelp();

}  // namespace tallyloom
