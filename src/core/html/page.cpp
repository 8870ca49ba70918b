// The page around the form, and its way to a file and to the browser.
#include <ctime>
#include <filesystem>

#include "html/form2html.h"
#include "html/markup.h"
#include "services/file_dialogs.h"
#include "services/prompter.h"
#include "services/shell.h"
#include "text/cp1252.h"
#include "text/file_path.h"
#include "text/line_file.h"
#include "text/utf8.h"

namespace orvane::html {

namespace {

std::string localDateTime() {
  const std::time_t now = std::time(nullptr);
  char text[32];
  return std::string(text, std::strftime(text, sizeof text, "%d/%m/%Y %H:%M:%S", std::localtime(&now)));
}

// The page in Windows-1252, as declared in its head; a character the code page lacks is written as
// a numeric character reference, so that the browser still shows it.
std::string pageBytes(std::string_view page) {
  std::string bytes;
  bytes.reserve(page.size());
  for (std::size_t at = 0; at < page.size();) {
    const char32_t codePoint = decodeUtf8(page, at);
    if (const auto byte = cp1252Byte(codePoint))
      bytes += static_cast<char>(*byte);
    else
      bytes += "&#" + std::to_string(static_cast<std::uint32_t>(codePoint)) + ";";
  }
  return bytes;
}

bool endsWithHtm(std::string_view name) {
  const auto dot = name.find_last_of('.');
  if (dot == std::string_view::npos || name.find_first_of("/\\", dot) != std::string_view::npos) return false;
  const std::string_view extension = name.substr(dot);
  return extension.size() == 4 && (extension[1] == 'h' || extension[1] == 'H') &&
         (extension[2] == 't' || extension[2] == 'T') && (extension[3] == 'm' || extension[3] == 'M');
}

}  // namespace

std::string TWHForm2HTML::Render() {
  Prepare();
  THControl* rootElement = root_.get();
  if (OnBeforeRendering && rootElement) OnBeforeRendering(mainContainer_, *rootElement);
  std::string page;
  // The closing events run whatever happens, so that a handler sees the end of every rendering.
  auto finish = [&] {
    if (OnRendering && rootElement) OnRendering(mainContainer_, *rootElement, page);
    if (OnAfterRendering && rootElement) OnAfterRendering(mainContainer_, *rootElement);
  };
  try {
    if (!ChunkOnly)
      page += "<HTML>\n<HEAD>\n<META charset=\"windows-1252\">\n<TITLE>" + escapeHtml(ownerControl().text) +
              "</TITLE>\n<BODY>\n\n";
    page += "<!-- Generated on " + (clock ? clock() : localDateTime()) +
            " by TWHForm2HTML,\nthe FORM to HTML converter component.\n"
            "Part of Orvane, the editor of business cards and mini-CVs.\n"
            "Each control of the form is written in one cell of a table. -->\n\n";
    const std::string before = form_.attributes["BeforeElement"].GetValue();
    page += (before.empty() ? before : before + "\n") + "<FORM" + AttrList(form_) + ">";
    if (rootElement) page += html::Render(*rootElement);
    page += "</FORM>\n" + form_.attributes["AfterElement"].GetValue();
    if (!ChunkOnly) page += "</BODY>\n</HTML>\n";
  } catch (...) {
    finish();
    throw;
  }
  finish();
  return page;
}

bool TWHForm2HTML::ExportToFile() {
  if (ExportFName.empty()) return false;
  const FileStatus status = writeFileReplacing(nativePath(ExportFName), pageBytes(Render()));
  if (!status.ok())
    prompter_.show(MessageKind::Error, "Cannot create file '" + ExportFName + "' !", Buttons::Ok, 0,
                   "Export HTML");
  return status.ok();
}

bool TWHForm2HTML::ExportWithDialog(FileDialogs& dialogs) {
  const auto chosen = dialogs.saveFile(
      {"HTML files (*.HTML)|*.HTML|All files (*.*)|*.*", " Export HTML", {}, ExportFName, "HTML"});
  if (!chosen) return false;
  ExportFName = chosen->path;
  // ".htm" becomes ".html" and ".HTM" ".HTML", after the case of the extension's last letter.
  if (endsWithHtm(ExportFName)) ExportFName += ExportFName.back() == 'M' ? "L" : "l";
  return ExportToFile();
}

bool TWHForm2HTML::Browse(FileDialogs& dialogs, Shell& shell) {
  if (!(ExportFName.empty() ? ExportWithDialog(dialogs) : ExportToFile())) return false;
  // The desktop resolves a relative name against no folder at all: it is given the whole path.
  std::error_code error;
  const std::filesystem::path page = std::filesystem::absolute(nativePath(ExportFName), error);
  if (shell.openDocument(error ? ExportFName : utf8Path(page))) return true;
  prompter_.show(MessageKind::Error, "Cannot open file '" + ExportFName + "' !", Buttons::Ok, 0, "Browse");
  return false;
}

}  // namespace orvane::html
