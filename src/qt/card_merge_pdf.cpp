#include "qt/card_merge_pdf.h"

namespace orvane {

namespace {

// Fills the card with row after row of the table, and gives it back as written once the run is over.
class RowMerge {
 public:
  RowMerge(CardModel& card, const CardMerge& merge, std::vector<MissingField>& missing)
      : card_(card), written_(card), merge_(merge), missing_(missing) {}
  ~RowMerge() { card_ = written_; }
  RowMerge(const RowMerge&) = delete;
  RowMerge& operator=(const RowMerge&) = delete;

  std::size_t taken() const { return next_; }
  bool done() const { return next_ == rows().size() || cancelled; }
  // Makes the card the next row's; false when no row is left or the user stopped the run.
  bool takeNextRow() {
    if (done()) return false;
    if (merge_.progress && !merge_.progress->advance(next_, rows().size())) {
      cancelled = true;
      return false;
    }
    const MergeRow row{merge_.table.header, rows()[next_], static_cast<int>(next_) + 1};
    card_ = mergedCard(written_, row, missing_);
    ++next_;
    return true;
  }

  bool cancelled = false;

 private:
  const std::vector<std::vector<std::string>>& rows() const { return merge_.table.rows; }

  CardModel& card_;
  const CardModel written_;
  const CardMerge& merge_;
  std::vector<MissingField>& missing_;
  std::size_t next_ = 0;
};

// One copy's progress as part of the whole run's: `copy` of `copies`, counted from 0.
class CopyProgress : public Progress {
 public:
  CopyProgress(Progress& whole, std::size_t copy, std::size_t copies)
      : whole_(whole), copy_(copy), copies_(copies) {}
  bool advance(std::size_t done, std::size_t total) override {
    return whole_.advance(copy_ * total + done, copies_ * total);
  }

 private:
  Progress& whole_;
  std::size_t copy_;
  std::size_t copies_;
};

}  // namespace

CardMergeReport drawCardMerge(RenderContext& context, CardModel& card, const CardMerge& merge,
                              const PagedDevice& device) {
  CardMergeReport report;
  RowMerge rows(card, merge, report.missing);
  const SheetPage drawPage = [&](Canvas& canvas, const SheetSettings& settings) {
    ++report.pages;
    const std::size_t before = rows.taken();
    if (merge.mixed) {
      drawCardSheet(context, canvas, settings, [&](std::size_t) { return rows.takeNextRow(); });
    } else {
      // The row is taken as the first card is drawn, so that the sheet knows the card's texts changed.
      drawCardSheet(context, canvas, settings,
                    [&](std::size_t place) { return place > 0 || rows.takeNextRow(); });
    }
    // A page with no room for a card would never end the run.
    return !rows.done() && rows.taken() > before;
  };
  const DrawingFailure refusal = [&]() -> std::optional<std::string> {
    if (rows.cancelled) return "cancelled";
    return std::nullopt;
  };
  report.failure = device(drawPage, refusal);
  report.cancelled = rows.cancelled;
  return report;
}

CardMergeReport writeCardMergePdf(RenderContext& context, CardModel& card, const CardSheetPdf& sheet,
                                  const CardMerge& merge, const DrawingFailure& failure) {
  return drawCardMerge(context, card, merge, [&](const SheetPage& drawPage, const DrawingFailure& stopped) {
    // A stopped run is refused as a failed drawing is, so that no part of it is kept.
    const DrawingFailure refusal = [&]() -> std::optional<std::string> {
      if (const auto refused = stopped()) return refused;
      return failure ? failure() : std::nullopt;
    };
    return writeCardSheetsPdf(context, sheet, drawPage, refusal);
  });
}

CardMergeReport printCardMerge(RenderContext& context, CardModel& card, PrintJob& job,
                               const SheetSettings& settings, const CardMerge& merge, int copies) {
  CardMergeReport report;
  const auto pageRefused = [] { return std::optional<std::string>("the printer refused a page"); };
  for (int copy = 0; copy < copies && !report.cancelled && !report.failure; ++copy) {
    std::optional<CopyProgress> progress;
    if (merge.progress) progress.emplace(*merge.progress, copy, copies);
    CardMerge thisCopy = merge;
    thisCopy.progress = progress ? &*progress : nullptr;
    CardMergeReport drawn =
        drawCardMerge(context, card, thisCopy, [&](const SheetPage& drawPage, const DrawingFailure&) {
          if (copy > 0 && !job.newPage()) return pageRefused();
          while (drawPage(job.canvas(), settings))
            if (!job.newPage()) return pageRefused();
          return std::optional<std::string>();
        });
    report.pages += drawn.pages;
    report.cancelled = drawn.cancelled;
    report.failure = drawn.failure;
    // Every copy holds the same rows: their empty fields are told once.
    if (copy == 0) report.missing = std::move(drawn.missing);
  }
  return report;
}

}  // namespace orvane
