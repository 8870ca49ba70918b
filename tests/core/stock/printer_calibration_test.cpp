#include "stock/printer_calibration.h"

#include <gtest/gtest.h>

#include "shell/calibration_commands.h"
#include "stock/calibration_page.h"
#include "stock/length.h"
#include "support/recording_canvas.h"
#include "support/scripted_services.h"

namespace orvane {

TEST(PrinterCalibration, TheMeasuresGiveTheCorrectionThatUndoesThePrintersError) {
  // A printer that stretches by 1 % and shifts by (1, -0.5) mm.
  const double stretch = 1.01;
  const CalibrationMeasures measures{20 * stretch + 1, 20 * stretch - 0.5, 150 * stretch, 150 * stretch};
  const PrinterCalibration calibration = *calibrationFromMeasures(measures);
  EXPECT_NEAR(calibration.scalePercent, 99.01, 0.005);
  for (const PointMm wanted : {PointMm{20, 20}, PointMm{190, 277}, PointMm{105, 148.5}}) {
    const PointMm drawn = calibration.apply(wanted);
    EXPECT_NEAR(drawn.x * stretch + 1, wanted.x, 0.02);
    EXPECT_NEAR(drawn.y * stretch - 0.5, wanted.y, 0.02);
  }
  EXPECT_TRUE(calibration.isWithinLimits());
  EXPECT_FALSE(calibrationFromMeasures({20, 20, 0, 150}));
  EXPECT_FALSE((PrinterCalibration{10.5, 0, 100}.isWithinLimits()));
  EXPECT_FALSE((PrinterCalibration{0, 0, 94.9}.isWithinLimits()));
}

TEST(PrinterCalibration, EachPrinterKeepsItsOwnInTheSettings) {
  ScriptedSettingsStore store;
  EXPECT_TRUE(readCalibration(store, "Laser").isNone());
  ASSERT_TRUE(writeCalibration(store, "Laser", {2, -1.5, 100.4}));
  EXPECT_EQ(store.values.at("Calibrage Laser"), "2 ; -1.5 ; 100.4");
  EXPECT_EQ(readCalibration(store, "Laser"), (PrinterCalibration{2, -1.5, 100.4}));
  EXPECT_TRUE(readCalibration(store, "Inkjet").isNone());
  EXPECT_TRUE(readCalibration(store, "").isNone()) << "a file printer has none";
  for (const char* wrong : {"2 ; -1.5", "2 ; x ; 100", "2 ; 0 ; 120", "2 ; 0 ; 100 ; 4"}) {
    store.values["Calibrage Laser"] = wrong;
    EXPECT_TRUE(readCalibration(store, "Laser").isNone()) << wrong;
  }
}

TEST(PrinterCalibration, TheMeasuresEnteredAreKeptForTheCurrentPrinterWithinTheLimits) {
  ScriptedSettingsStore store;
  ScriptedPrompter prompter;
  ScriptedPrinterService printers = ScriptedPrinterService::withPrinters(1);
  const CalibrationMeasures shifted{18, 21.5, 150, 150};
  EXPECT_FALSE(calibratePrinter(shifted, printers, store, prompter, Language::French));
  EXPECT_EQ(prompter.shown.back().text,
            "Aucune imprimante définie, vous ne pourrez pas lancer d'impression - Avertissement 10");

  printers.printerName = "Laser";
  EXPECT_EQ(calibratePrinter(shifted, printers, store, prompter, Language::French),
            (PrinterCalibration{2, -1.5, 100}));
  EXPECT_EQ(
      prompter.shown.back().text,
      "Calibrage enregistré (décalage horizontal en mm ; vertical en mm ; échelle en %) : 2 ; -1.5 ; 100");
  EXPECT_EQ(readCalibration(store, "Laser"), (PrinterCalibration{2, -1.5, 100}));

  EXPECT_FALSE(calibratePrinter({20, 20, 140, 140}, printers, store, prompter, Language::French));
  EXPECT_EQ(prompter.shown.back().kind, MessageKind::Error);
  EXPECT_EQ(readCalibration(store, "Laser"), (PrinterCalibration{2, -1.5, 100})) << "kept as it was";
}

TEST(CalibrationPage, TheCrossesAndRulersAreWhereThePageSays) {
  constexpr int dpi = 600;
  const double mmPerDot = mmPerInch / dpi;
  for (const SizeMm paper : {SizeMm{210, 297}, SizeMm{215.9, 279.4}}) {
    RecordingCanvas canvas;
    PrinterMeasurements printer = PrinterMeasurements::a4(dpi, 50);
    ASSERT_TRUE(drawCalibrationPage(canvas, printer, paper, "Laser", "03/05/2024", Language::French));
    const std::vector<CanvasCall> lines = canvas.callsOf(CanvasCallKind::Fill);
    // A mark is a line centred on the point, `length` long along its axis.
    auto hasLine = [&](PointMm centre, double length, bool horizontal) {
      return std::ranges::any_of(lines, [&](const CanvasCall& line) {
        const Rect& r = line.rect;
        const double x = ((r.left + r.right) / 2.0 + 50) * mmPerDot;
        const double y = ((r.top + r.bottom) / 2.0 + 50) * mmPerDot;
        const double along = (horizontal ? r.width() : r.height()) * mmPerDot;
        return std::abs(x - centre.x) <= 0.1 && std::abs(y - centre.y) <= 0.1 &&
               std::abs(along - length - 0.15) <= 0.1;
      });
    };
    const CalibrationLayout layout = calibrationLayout(paper);
    const std::vector<PointMm> expected{{20, 20},
                                        {paper.width - 20, 20},
                                        {20, paper.height - 20},
                                        {paper.width - 20, paper.height - 20},
                                        {paper.width / 2, paper.height / 2}};
    EXPECT_EQ(layout.crosses, expected);
    for (const PointMm& cross : expected) {
      EXPECT_TRUE(hasLine(cross, 16, true)) << cross.x << ", " << cross.y;
      EXPECT_TRUE(hasLine(cross, 16, false)) << cross.x << ", " << cross.y;
    }
    const PointMm h = layout.horizontalRuler;
    const PointMm v = layout.verticalRuler;
    EXPECT_TRUE(hasLine({h.x + 75, h.y}, 150, true));
    EXPECT_TRUE(hasLine({v.x, v.y + 75}, 150, false));
    // 151 ticks on each ruler, 5 mm long at each centimetre.
    EXPECT_TRUE(hasLine({h.x + 150, h.y + 2.5}, 5, false));
    EXPECT_TRUE(hasLine({v.x + 1, v.y + 1}, 2, true));
    const std::vector<CanvasCall> texts = canvas.callsOf(CanvasCallKind::TextLine);
    EXPECT_TRUE(std::ranges::any_of(texts, [](const CanvasCall& text) {
      return text.text == "Page de calibrage de l'imprimante : Laser - 03/05/2024";
    }));
  }
}

}  // namespace orvane
