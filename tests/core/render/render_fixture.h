#pragma once
// A card, its kept pictures and scripted services, as the rendering tests share them.

#include <gtest/gtest.h>

#include "render/render_context.h"
#include "support/recording_canvas.h"
#include "support/scripted_picture_service.h"
#include "support/scripted_services.h"

namespace orvane {

struct RenderFixture : ::testing::Test {
  CardModel card;
  RendererState state;
  ScriptedPrompter prompter;
  ScriptedPictureService pictures;
  FixedTextMetrics metrics;
  Language language = Language::French;
  RenderContext context{card, state, prompter, pictures, metrics, language};
  RecordingCanvas canvas;

  static constexpr const char* patternPath = "c:\\motifs\\motif.bmp";

  void SetUp() override {
    setupStartCard(card, 96);
    card.cardWidth = 185;
    card.cardHeight = 293;
  }

  /// A readable pattern file of the given size, set as the card's pattern.
  void givePattern(int width, int height) {
    pictures.files[patternPath] = Image(width, height, 0xFF336699u);
    card.patternFile = patternPath;
  }
};

}  // namespace orvane
