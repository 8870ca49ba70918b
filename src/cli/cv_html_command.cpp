// cv-html: a mini-CV file loaded as the editor loads it and exported as the editor's "exporter" writes
// the page.
#include <iostream>

#include "cli/command_table.h"
#include "cli/json_writer.h"
#include "cli/loaded_cv.h"
#include "minicv/cv_html_export.h"

namespace orvane::cli {

int cvHtmlCommand(const Arguments& args) {
  Arguments files;
  std::string factor = "1.5";
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--factor" && i + 1 < args.size())
      factor = args[++i];
    else
      files.push_back(args[i]);
  }
  if (files.size() != 2) return usageError(usageLine("cv-html"));
  if (const auto problem = outputOverInput(files[0], files[1])) return usageError(*problem);
  return withScreenServices([&](const ScreenServices& screen) {
    LoadedCv loaded(screen);
    // Set up before the load, as the editor is: the attributes then follow what the file fills in.
    minicv::CvHtmlExport page(loaded.sheet, loaded.metrics, loaded.prompter);
    if (const auto failure = loaded.load(files[0])) return usageError(*failure);
    page.setFactor(minicv::enlargementFactor(factor, '.'));
    if (!page.exportTo(files[1]))
      return usageError(loaded.prompter.shown.empty() ? files[1] + ": not written"
                                                      : loaded.prompter.shown.back().text);
    JsonWriter json;
    json.beginObject();
    json.key("factor");
    json.value(page.factor());
    json.key("messages");
    json.beginArray();
    for (const std::string& message : loaded.prompter.texts()) json.value(message);
    json.endArray();
    json.endObject();
    std::cout << json.text() << '\n';
    return 0;
  });
}

}  // namespace orvane::cli
