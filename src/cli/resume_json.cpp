#include "cli/resume_json.h"

#include <functional>

#include "minicv/resume_dates.h"

namespace orvane::cli {

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

void putText(ordered_json& object, const char* key, const std::string& text) {
  if (!text.empty()) object[key] = text;
}

template <typename Entry, typename Put>
void putList(ordered_json& document, const char* key, const std::vector<Entry>& entries, Put put) {
  if (entries.empty()) return;
  ordered_json& list = document[key] = ordered_json::array();
  for (const Entry& entry : entries) {
    ordered_json object = ordered_json::object();
    put(object, entry);
    list.push_back(std::move(object));
  }
}

// Reading keeps the path of each member so that what is left out can be named.
class DocumentReader {
 public:
  explicit DocumentReader(std::vector<std::string>& dropped) : dropped_(dropped) {}

  // Calls `take(key, member, path)` for each member of the object `value`; a member it does not take,
  // or a `value` that is no object, is dropped.
  void members(const json& value, const std::string& path,
               const std::function<bool(const std::string&, const json&, const std::string&)>& take) {
    if (!value.is_object()) return drop(path);
    for (const auto& [key, member] : value.items()) {
      const std::string memberPath = path.empty() ? key : path + "." + key;
      if (!take(key, member, memberPath)) drop(memberPath);
    }
  }

  // Calls `read(entry, path)` for each entry of the array `value` that is an object.
  void entries(const json& value, const std::string& path,
               const std::function<void(const json&, const std::string&)>& read) {
    if (!value.is_array()) return drop(path);
    for (std::size_t i = 0; i < value.size(); ++i) {
      const std::string entryPath = path + "[" + std::to_string(i) + "]";
      if (value[i].is_object())
        read(value[i], entryPath);
      else
        drop(entryPath);
    }
  }

  void text(const json& value, const std::string& path, std::string& into) {
    if (value.is_string())
      into = value.get<std::string>();
    else
      drop(path);
  }

  void date(const json& value, const std::string& path, std::string& into) {
    if (value.is_string() && minicv::isIsoDate(value.get_ref<const std::string&>()))
      into = value.get<std::string>();
    else
      drop(path);
  }

 private:
  void drop(const std::string& path) { dropped_.push_back(path); }
  std::vector<std::string>& dropped_;
};

// A taker for the members named in `fields`, each read as text into its string.
auto textMembers(DocumentReader& reader, std::vector<std::pair<const char*, std::string*>> fields) {
  return [&reader, fields](const std::string& key, const json& member, const std::string& path) {
    for (const auto& [name, into] : fields)
      if (key == name) {
        reader.text(member, path, *into);
        return true;
      }
    return false;
  };
}

// Takes startDate and endDate as dates, or hands the member to `other`.
template <typename Entry, typename Other>
auto withDates(DocumentReader& reader, Entry& entry, Other other) {
  return [&reader, &entry, other](const std::string& key, const json& member, const std::string& path) {
    if (key == "startDate")
      reader.date(member, path, entry.startDate);
    else if (key == "endDate")
      reader.date(member, path, entry.endDate);
    else
      return other(key, member, path);
    return true;
  };
}

}  // namespace

ordered_json resumeDocument(const minicv::Resume& r) {
  ordered_json document = ordered_json::object();
  ordered_json basics = ordered_json::object();
  putText(basics, "name", r.name);
  putText(basics, "email", r.email);
  putText(basics, "phone", r.phone);
  putText(basics, "url", r.url);
  ordered_json location = ordered_json::object();
  putText(location, "address", r.address);
  putText(location, "postalCode", r.postalCode);
  putText(location, "city", r.city);
  if (!location.empty()) basics["location"] = std::move(location);
  if (!basics.empty()) document["basics"] = std::move(basics);
  putList(document, "languages", r.languages, [](ordered_json& o, const minicv::ResumeLanguage& e) {
    putText(o, "language", e.language);
    putText(o, "fluency", e.fluency);
  });
  putList(document, "education", r.education, [](ordered_json& o, const minicv::ResumeEducation& e) {
    putText(o, "area", e.area);
    putText(o, "studyType", e.studyType);
    putText(o, "startDate", e.startDate);
    putText(o, "endDate", e.endDate);
  });
  putList(document, "work", r.work, [](ordered_json& o, const minicv::ResumeWork& e) {
    putText(o, "name", e.name);
    putText(o, "position", e.position);
    putText(o, "startDate", e.startDate);
    putText(o, "endDate", e.endDate);
  });
  putList(document, "interests", r.interests,
          [](ordered_json& o, const std::string& name) { o["name"] = name; });
  return document;
}

minicv::Resume resumeOfDocument(const json& document, std::vector<std::string>& dropped) {
  minicv::Resume r;
  DocumentReader reader(dropped);
  reader.members(document, "", [&](const std::string& key, const json& member, const std::string& path) {
    if (key == "$schema") return true;  // where the document's schema is, not a part of the résumé
    if (key == "basics") {
      const auto details =
          textMembers(reader, {{"name", &r.name}, {"email", &r.email}, {"phone", &r.phone}, {"url", &r.url}});
      reader.members(member, path, [&](const std::string& k, const json& m, const std::string& p) {
        if (k != "location") return details(k, m, p);
        reader.members(
            m, p,
            textMembers(reader, {{"address", &r.address}, {"postalCode", &r.postalCode}, {"city", &r.city}}));
        return true;
      });
    } else if (key == "languages") {
      reader.entries(member, path, [&](const json& entry, const std::string& p) {
        minicv::ResumeLanguage& e = r.languages.emplace_back();
        reader.members(entry, p, textMembers(reader, {{"language", &e.language}, {"fluency", &e.fluency}}));
      });
    } else if (key == "education") {
      reader.entries(member, path, [&](const json& entry, const std::string& p) {
        minicv::ResumeEducation& e = r.education.emplace_back();
        reader.members(
            entry, p,
            withDates(reader, e, textMembers(reader, {{"area", &e.area}, {"studyType", &e.studyType}})));
      });
    } else if (key == "work") {
      reader.entries(member, path, [&](const json& entry, const std::string& p) {
        minicv::ResumeWork& e = r.work.emplace_back();
        reader.members(
            entry, p,
            withDates(reader, e, textMembers(reader, {{"name", &e.name}, {"position", &e.position}})));
      });
    } else if (key == "interests") {
      reader.entries(member, path, [&](const json& entry, const std::string& p) {
        std::string& name = r.interests.emplace_back();
        reader.members(entry, p, textMembers(reader, {{"name", &name}}));
      });
    } else {
      return false;
    }
    return true;
  });
  return r;
}

}  // namespace orvane::cli
