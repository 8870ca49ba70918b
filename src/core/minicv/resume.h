#pragma once
// The part of a résumé document that a mini-CV sheet can hold, in plain fields: the command-line tool
// reads and writes it as JSON, the sheet mapping fills it or lays it out.

#include <string>
#include <vector>

namespace orvane::minicv {

struct ResumeLanguage {
  std::string language;
  std::string fluency;
};

/// A training course: its title, the date or dates it ran, the qualification it gave.
struct ResumeEducation {
  std::string area;
  std::string studyType;
  std::string startDate;
  std::string endDate;
};

struct ResumeWork {
  std::string name;  // the company
  std::string position;
  std::string startDate;
  std::string endDate;
};

struct Resume {
  std::string name;
  std::string email;
  std::string phone;
  std::string url;
  std::string address;  // address lines joined by "\n"
  std::string postalCode;
  std::string city;
  std::vector<ResumeLanguage> languages;
  std::vector<ResumeEducation> education;
  std::vector<ResumeWork> work;
  std::vector<std::string> interests;
};

}  // namespace orvane::minicv
