#include "minicv/resume_mapping.h"

#include <algorithm>

#include "minicv/element_switching.h"
#include "minicv/element_table.h"
#include "minicv/resume_dates.h"
#include "minicv/zone_check.h"
#include "minicv/zone_layout.h"

namespace orvane::minicv {

namespace {

enum Zone : int { languagesZone = 1, educationZone, workZone, interestsZone };

// The details of the sheet that a résumé's basics have no field for.
constexpr std::pair<const char*, const char*> detailsWithoutPlace[] = {
    {"Edit3", "age"}, {"Edit17", "nationality"}, {"Edit4", "marital status"}};

std::string trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

std::vector<std::string> split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(std::string(text.substr(start, end - start)));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// The zone's lines that hold something, below the column heading of zones 1 to 3.
std::vector<std::string> zoneEntries(const CvSheet& sheet, int zone) {
  std::vector<std::string> lines = split(sheet[zoneNames(zone).text].richText.plainText(), '\n');
  if (zone != interestsZone && !lines.empty()) lines.erase(lines.begin());
  std::erase_if(lines, [](const std::string& line) { return trimmed(line).empty(); });
  return lines;
}

std::string place(std::string_view list, std::size_t index) {
  return std::string(list) + "[" + std::to_string(index) + "]";
}

// Reads the columns of each entry of a zone through `read(index, column)`; columns past `known`
// are reported.
template <typename Read>
void readColumns(const CvSheet& sheet, int zone, std::string_view list, std::size_t known,
                 std::vector<std::string>& dropped, Read read) {
  const std::vector<std::string> entries = zoneEntries(sheet, zone);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::vector<std::string> columns = split(entries[i], '\t');
    for (std::string& column : columns) column = trimmed(column);
    for (std::size_t c = known; c < columns.size(); ++c)
      if (!columns[c].empty()) dropped.push_back(place(list, i) + " column " + std::to_string(c + 1));
    columns.resize(std::max(columns.size(), known));
    read(i, columns);
  }
}

// Sets the period of an entry from its dates column; a column that names no period is reported.
template <typename Entry>
void readDates(Entry& entry, const std::string& column, const std::string& entryPlace,
               std::vector<std::string>& dropped) {
  if (column.empty()) return;
  if (const auto period = parseDatePeriod(column)) {
    entry.startDate = period->start;
    entry.endDate = period->end;
  } else {
    dropped.push_back(entryPlace + ".dates");
  }
}

// A résumé's e-mail and web site must be a mail address and a URI, both in printable ASCII without
// blanks or the characters a URI never holds: a field that cannot be one is left out rather than
// make the document invalid.
bool uriCharacters(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return c > ' ' && c < 127 && std::string_view("\"<>\\^`{|}").find(c) == std::string_view::npos;
  });
}

bool looksLikeEmail(std::string_view text) {
  const std::size_t at = text.find('@');
  return uriCharacters(text) && at != std::string_view::npos && at > 0 && at + 1 < text.size() &&
         text.find('@', at + 1) == std::string_view::npos;
}

// The web site as a URI: "www.exemple.fr" is read as the browser reads it, "http://www.exemple.fr".
std::string webAddress(const std::string& text) {
  if (!uriCharacters(text)) return {};
  return text.find("://") == std::string::npos ? "http://" + text : text;
}

}  // namespace

SheetResume resumeOfSheet(const CvSheet& sheet) {
  SheetResume out;
  Resume& r = out.resume;
  const auto field = [&](const char* name) { return trimmed(sheet[name].text); };
  r.name = trimmed(field("Edit1") + " " + field("Edit2"));
  r.email = field("Edit7");
  if (!r.email.empty() && !looksLikeEmail(r.email)) {
    out.dropped.push_back("e-mail");
    r.email.clear();
  }
  r.phone = field("Edit6").empty() ? field("Edit5") : field("Edit6");
  if (!field("Edit6").empty() && !field("Edit5").empty()) out.dropped.push_back("fixed telephone");
  r.url = webAddress(field("Edit10"));
  if (!field("Edit10").empty() && r.url.empty()) out.dropped.push_back("web site");
  r.address = field("Edit9").empty() ? field("Edit8") : field("Edit8") + "\n" + field("Edit9");
  for (const auto& [name, what] : detailsWithoutPlace)
    if (!field(name).empty()) out.dropped.push_back(what);

  readColumns(sheet, languagesZone, "languages", 2, out.dropped, [&](std::size_t, const auto& columns) {
    r.languages.push_back({columns[0], columns[1]});
  });
  readColumns(sheet, educationZone, "education", 3, out.dropped, [&](std::size_t i, const auto& columns) {
    ResumeEducation entry{columns[0], columns[2], {}, {}};
    readDates(entry, columns[1], place("education", i), out.dropped);
    r.education.push_back(std::move(entry));
  });
  readColumns(sheet, workZone, "work", 3, out.dropped, [&](std::size_t i, const auto& columns) {
    ResumeWork entry{columns[0], columns[2], {}, {}};
    readDates(entry, columns[1], place("work", i), out.dropped);
    r.work.push_back(std::move(entry));
  });
  // Interests are separated by commas, or by tabs where the zone lines them up.
  for (std::string line : zoneEntries(sheet, interestsZone)) {
    std::replace(line.begin(), line.end(), '\t', ',');
    for (const std::string& interest : split(line, ','))
      if (!trimmed(interest).empty()) r.interests.push_back(trimmed(interest));
  }
  return out;
}

namespace {

// A value goes into one column of one line: its tabs and line breaks become blanks.
std::string columnText(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
  return text;
}

std::string columnsLine(std::initializer_list<std::string> columns) {
  std::string line;
  for (const std::string& column : columns) {
    if (&column != columns.begin()) line += '\t';
    line += columnText(column);
  }
  // Trailing empty columns say nothing.
  while (!line.empty() && line.back() == '\t') line.pop_back();
  return line;
}

void switchOn(CvSheet& sheet, int element) {
  if (sheet.state.elemstat[element] == 0) switchElement(sheet, element, 1);
}

void setField(CvSheet& sheet, const char* name, const std::string& text, int element = -1) {
  if (text.empty()) return;
  if (element >= 0) switchOn(sheet, element);
  sheet[name].text = columnText(text);
}

// Writes `lines` into zone `zone` below its heading; lines past what it shows are reported as `list`
// entries.
void putZone(CvSheet& sheet, int zone, std::string_view list, std::vector<std::string> lines,
             std::vector<std::string>& dropped) {
  if (lines.empty()) return;
  switchOn(sheet, zone1Element + zone - 1);
  const std::size_t shown = zone == interestsZone ? zoneCheckedLines : zoneCheckedLines - 1;
  for (std::size_t i = shown; i < lines.size(); ++i) dropped.push_back(place(list, i));
  lines.resize(std::min(lines.size(), shown));
  Control& text = sheet[zoneNames(zone).text];
  if (zone != interestsZone) lines.insert(lines.begin(), text.richText.firstLine());
  setZoneText(sheet, zone, RichText::fromLines(lines, text.font));
}

template <typename Entry>
std::string datesColumn(const Entry& entry) {
  return datePeriodText({entry.startDate, entry.endDate});
}

}  // namespace

std::vector<std::string> putResumeOnSheet(CvSheet& sheet, const Resume& r) {
  std::vector<std::string> dropped;
  const std::size_t space = r.name.find(' ');
  setField(sheet, "Edit1", space == std::string::npos ? std::string() : r.name.substr(0, space));
  setField(sheet, "Edit2", space == std::string::npos ? r.name : r.name.substr(space + 1));
  setField(sheet, "Edit7", r.email, emailElement);
  setField(sheet, "Edit6", r.phone, mobilePhoneElement);
  setField(sheet, "Edit10", r.url, webSiteElement);

  std::vector<std::pair<std::string, std::string>> address;
  if (!r.address.empty())
    for (const std::string& line : split(r.address, '\n'))
      address.emplace_back(line, "basics.location.address");
  const std::string town = trimmed(r.postalCode + " " + r.city);
  if (!town.empty())
    address.emplace_back(town, r.city.empty() ? "basics.location.postalCode" : "basics.location.city");
  const char* addressFields[] = {"Edit8", "Edit9"};
  for (std::size_t i = 0; i < address.size(); ++i) {
    if (i < 2)
      setField(sheet, addressFields[i], address[i].first);
    else if (std::find(dropped.begin(), dropped.end(), address[i].second) == dropped.end())
      dropped.push_back(address[i].second);
  }

  std::vector<std::string> lines;
  for (const ResumeLanguage& entry : r.languages)
    lines.push_back(columnsLine({entry.language, entry.fluency}));
  putZone(sheet, languagesZone, "languages", std::move(lines), dropped);
  lines.clear();
  for (const ResumeEducation& entry : r.education)
    lines.push_back(columnsLine({entry.area, datesColumn(entry), entry.studyType}));
  putZone(sheet, educationZone, "education", std::move(lines), dropped);
  lines.clear();
  for (const ResumeWork& entry : r.work)
    lines.push_back(columnsLine({entry.name, datesColumn(entry), entry.position}));
  putZone(sheet, workZone, "work", std::move(lines), dropped);
  lines.clear();
  for (const std::string& interest : r.interests) lines.push_back(columnText(interest));
  putZone(sheet, interestsZone, "interests", std::move(lines), dropped);
  return dropped;
}

}  // namespace orvane::minicv
