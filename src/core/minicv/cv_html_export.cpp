#include "minicv/cv_html_export.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "catalogue/catalogue.h"
#include "html/markup.h"
#include "html/placer.h"
#include "minicv/cv_sheet.h"
#include "minicv/editor_commands.h"
#include "text/file_path.h"
#include "text/rounding.h"

namespace orvane::minicv {

namespace {

constexpr double lowestEnlargement = 1.1;
constexpr double highestEnlargement = 2.0;
constexpr std::string_view defaultExportName = "minicv-export.html";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number as the user writes it: blanks around, a sign, digits with one separator, and an
// exponent; nothing else (no "inf", no thousands separators).
std::optional<double> parseDecimal(std::string_view text, char separator) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::string plain;
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) plain += text[at++];
  bool digits = false;
  bool separatorSeen = false;
  for (; at < text.size(); ++at) {
    if (isDigit(text[at])) {
      digits = true;
      plain += text[at];
    } else if (text[at] == separator && !separatorSeen) {
      separatorSeen = true;
      plain += '.';
    } else {
      break;
    }
  }
  if (!digits) return std::nullopt;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    plain += text[at++];
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) plain += text[at++];
    if (at == text.size() || !isDigit(text[at])) return std::nullopt;
    while (at < text.size() && isDigit(text[at])) plain += text[at++];
  }
  if (at != text.size()) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
  return value;
}

// The page draws some fields larger than the sheet does (a text zone is at least two lines high there),
// and a control whose cells on the page's grid meet those of a control placed before it would be left
// out of the page. Such a control is moved down below the other, at any depth, and a frame grows with
// what it holds.
void spreadForThePage(ControlTree& tree, html::THControl& container) {
  struct Sized {
    html::THControl* element;
    int width;
    int height;
  };
  std::vector<Sized> children;
  for (const auto& child : container.children) {
    if (!tree.at(child->control()).visible) continue;
    if (child->isContainer()) spreadForThePage(tree, *child);
    const auto [width, height] = html::GetSize(*child);
    children.push_back({child.get(), width, height});
  }
  std::ranges::stable_sort(children, {},
                           [&tree](const Sized& c) { return tree.at(c.element->control()).top; });
  std::vector<html::GridCells> placed;
  int bottom = 0;
  for (const auto& [element, width, height] : children) {
    Control& control = tree.at(element->control());
    std::optional<html::GridCells> cells = html::cellsOf(container, *element, width, height);
    for (bool moved = cells.has_value(); moved;) {
      moved = false;
      for (const html::GridCells& other : placed) {
        const auto meet = [](int a, int aCount, int b, int bCount) {
          return a < b + bCount && b < a + aCount;
        };
        if (!meet(other.column, other.columns, cells->column, cells->columns) ||
            !meet(other.row, other.rows, cells->row, cells->rows))
          continue;
        control.top += (other.row + other.rows - cells->row) * 4;
        cells = html::cellsOf(container, *element, width, height);
        moved = true;
      }
    }
    if (!cells) continue;
    placed.push_back(*cells);
    bottom = std::max(bottom, control.top + height);
  }
  Control& frame = tree.at(container.control());
  if (container.elementClass() == html::ElementClass::THGroupBox)
    frame.height = std::max(frame.height, bottom);
}

// Gives the sheet back exactly as it was shown, however the page moved and sized its controls.
class RestoredAfterwards {
 public:
  explicit RestoredAfterwards(ControlTree& tree) : tree_(tree), shown_(tree) {}
  ~RestoredAfterwards() { tree_ = std::move(shown_); }
  RestoredAfterwards(const RestoredAfterwards&) = delete;
  RestoredAfterwards& operator=(const RestoredAfterwards&) = delete;

 private:
  ControlTree& tree_;
  ControlTree shown_;
};

bool endsWithSeparator(std::string_view path) {
  return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

}  // namespace

double enlargementFactor(std::string_view answer, char decimalSeparator) {
  const std::optional<double> value = parseDecimal(answer, decimalSeparator);
  if (!value) return lowestEnlargement;
  if (*value < lowestEnlargement || *value > highestEnlargement) return defaultEnlargement;
  return *value;
}

int browserFamilyNumber(std::string_view answer) {
  if (answer == "2") return 8;
  if (answer == "3") return 3;
  if (answer == "4") return 6;
  return 0;
}

void scaleControls(ControlTree& tree, ControlId container, double factor) {
  for (const ControlId id : tree.children(container)) {
    Control& control = tree.at(id);
    control.left = roundToInt(control.left * factor);
    control.top = roundToInt(control.top * factor);
    control.width = roundToInt(control.width * factor);
    control.height = roundToInt(control.height * factor);
    scaleControls(tree, id, factor);
  }
}

bool validFolder(std::string_view path) {
  std::error_code error;
  return path.size() >= 3 && std::filesystem::is_directory(nativePath(path), error);
}

ExportTarget exportTarget(std::string_view fileName, std::string_view parametersDirectory,
                          std::string_view exportFolder, std::string_view rootDirectory) {
  std::string_view folder = rootDirectory;
  if (validFolder(exportFolder))
    folder = exportFolder;
  else if (validFolder(parametersDirectory))
    folder = parametersDirectory;
  std::string path(folder);
  if (!endsWithSeparator(path)) path += '\\';
  return {path + std::string(fileName), std::string(folder)};
}

std::string photoSource(std::string_view photoFile, std::string_view pageFile) {
  if (photoFile.empty()) return {};
  std::error_code error;
  const std::filesystem::path photo =
      std::filesystem::absolute(nativePath(photoFile), error).lexically_normal();
  const std::filesystem::path folder =
      std::filesystem::absolute(nativePath(pageFile), error).parent_path().lexically_normal();
  const std::filesystem::path inside = photo.lexically_relative(folder);
  if (inside.empty() || *inside.begin() == "..") return utf8Path(photo);
  return ".\\" + utf8Path(inside);
}

CvHtmlExport::CvHtmlExport(CvSheet& sheet, TextMetrics& metrics, Prompter& prompter)
    : sheet_(sheet), converter_(sheet.tree, 0, metrics, prompter), panel_(sheet.tree.find("Panel1")) {
  converter_.BGColor = "navajowhite";
  converter_.BrowserFamily = html::THBrowserFamily::bfIE5up;
  converter_.ChunkOnly = false;
  converter_.ExportFName = defaultExportName;
  converter_.SetFonts = true;
  converter_.QualifiedNames = true;
  converter_.WHChunkOutputScope = html::TWHChunkOutputScope::cosAll;
  converter_.SetMainContainer(panel_);
  converter_.LoadLinks(cvLinksText());
}

template <typename Action>
auto CvHtmlExport::enlarged(Action action) {
  // The converter may have been let go when the editor was left.
  converter_.SetMainContainer(panel_);
  converter_.PhotoSrc = photoSource(sheet_.state.photoFile, converter_.ExportFName);
  const RestoredAfterwards restored(sheet_.tree);
  scaleControls(sheet_.tree, panel_, factor_);
  converter_.Prepare();
  if (html::THControl* sheet = converter_.root()) spreadForThePage(sheet_.tree, *sheet);
  return action();
}

std::optional<std::string> CvHtmlExport::exporter(const CvHtmlServices& services) {
  Settings& settings = services.directories.settings();
  const std::string exportFolder = settings.readSetting(SettingKind::ExportDirectory);
  const std::string parameters = settings.readSetting(SettingKind::ParametersDirectory);
  // A name chosen in the dialog before is a whole path: only its file name goes into the folder.
  std::string name = utf8Path(nativePath(converter_.ExportFName).filename());
  if (name.empty()) name = defaultExportName;
  ExportTarget target = exportTarget(name, parameters, exportFolder, settings.rootDirectory());
  std::error_code error;
  if (std::filesystem::exists(nativePath(target.path), error)) {
    const std::optional<ChosenFile> chosen = services.dialogs.saveFile(
        {"HTML files|*.html;HTM files|*.htm", {}, target.folder, {}, "htm", 0, false});
    if (!chosen) return std::nullopt;
    target.path = chosen->path;
    converter_.ExportFName = chosen->path;
  }
  if (!exportTo(target.path)) return std::nullopt;
  // Told only once the page is written: a failure has had its own message.
  services.prompter.show(MessageKind::Information, catalogue::text(sheet_.state.language, 176) + target.path);
  return target.path;
}

bool CvHtmlExport::exportTo(const std::string& path) {
  const std::string name = converter_.ExportFName;
  converter_.ExportFName = path;
  const bool written = enlarged([this] { return converter_.ExportToFile(); });
  converter_.ExportFName = name;
  return written;
}

bool CvHtmlExport::explorer(const CvHtmlServices& services) {
  return enlarged([&] { return converter_.Browse(services.dialogs, services.shell); });
}

void CvHtmlExport::exportpathname(const std::optional<std::string>& chosen, WorkingDirectories& directories) {
  // Cancel leaves the stored folder alone: "exporter" reads the setting again each time.
  if (chosen) directories.remember(SettingKind::ExportDirectory, *chosen);
}

void CvHtmlExport::facteuragrandissement(InputQuery& query, Language language, char decimalSeparator) {
  const std::optional<std::string> answer =
      query.ask(catalogue::text(language, 157), catalogue::text(language, 156),
                std::string("1") + decimalSeparator + "5");
  if (answer) factor_ = enlargementFactor(*answer, decimalSeparator);
}

void CvHtmlExport::browser(InputQuery& query) {
  const std::optional<std::string> answer = query.ask(
      "Propriétés de conversion html",
      "Veuillez sélectionner le type de browser : nombre de 1 à 6\n\n1: default - 2: chrome - 3: IE5 plus\n"
      "4: Mozilla 5 - 5: Edge - 6: Opera",
      "1");
  if (answer) browserNumber_ = browserFamilyNumber(*answer);
}

void CvHtmlExport::backgroundChosen(Colour colour) { converter_.BGColor = htmlColour(colour); }

void CvHtmlExport::release() {
  if (converter_.MainContainer() == panel_) converter_.SetMainContainer(minicv::noControl);
}

}  // namespace orvane::minicv
