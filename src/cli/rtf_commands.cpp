// orvane-cli rtf-dump FILE.rtf: prints the paragraphs and runs of an RTF file as JSON.
// orvane-cli rtf-write IN.rtf OUT.rtf: reads an RTF file and writes it again as a companion file.
#include <iostream>

#include "cli/card_json.h"
#include "cli/command_table.h"
#include "richtext/companion_files.h"
#include "richtext/rtf_reader.h"
#include "text/file_path.h"
#include "text/line_file.h"

namespace orvane::cli {
namespace {

// Messages the core would show in a box go to stderr.
class StderrPrompter : public Prompter {
 public:
  Answer show(MessageKind, const std::string& text, Buttons, int, const std::string&) override {
    printNote(text);
    return Answer::Ok;
  }
};

// Reads the RTF file at `path` into `text`; the error to report otherwise. The editor shows a damaged
// or non-RTF file as far as it can, but these commands refuse it, so that a script checking or
// rewriting files learns of the damage instead of passing on a part of the text.
std::string readRtfFile(const std::string& path, RichText& text) {
  const std::optional<std::string> bytes = readFileBytes(nativePath(path));
  if (!bytes) return "cannot read " + path;
  RtfReadResult read = readRtf(*bytes);
  if (!read.ok()) return path + ": " + read.error;
  text = std::move(read.text);
  return {};
}

// Written to `out` paragraph by paragraph: the JSON of a large document is several times its RTF.
void writeDocument(JsonWriter& json, const RichText& text, std::ostream& out) {
  json.beginObject();
  json.key("paragraphs");
  json.beginArray();
  for (const Paragraph& paragraph : text.paragraphs()) {
    json.beginObject();
    json.field("alignment", alignmentName(paragraph.alignment));
    json.key("runs");
    json.beginArray();
    for (const TextRun& run : paragraph.runs) {
      json.beginObject();
      json.field("text", run.text);
      writeFont(json, "format", run.format);
      json.endObject();
    }
    json.endArray();
    json.endObject();
    json.flushTo(out);
  }
  json.endArray();
  writeFont(json, "insertionFormat", text.insertionFormat());
  json.endObject();
  json.flushTo(out);
}

}  // namespace

int rtfDumpCommand(const Arguments& args) {
  if (args.size() != 1) return usageError(usageLine("rtf-dump"));
  RichText text;
  if (const std::string error = readRtfFile(args[0], text); !error.empty())
    return usageError("rtf-dump: " + error);
  JsonWriter json;
  writeDocument(json, text, std::cout);
  std::cout << '\n';
  return 0;
}

int rtfWriteCommand(const Arguments& args) {
  if (args.size() != 2) return usageError(usageLine("rtf-write"));
  if (const auto problem = outputOverInput(args[0], args[1])) return usageError(*problem);
  RichText text;
  if (const std::string error = readRtfFile(args[0], text); !error.empty())
    return usageError("rtf-write: " + error);
  StderrPrompter prompter;
  CompanionFiles files(prompter, Language::French);
  if (!files.saveCompanion(text, args[1])) return usageError("rtf-write: cannot write " + args[1]);
  return 0;
}

}  // namespace orvane::cli
