#pragma once
// The pictures of the card: "&Icone" and "&Motif" of the "éléments" menu choose the icon and the
// background pattern from files; "Copie du &Presse papier" and "Presse Papier" exchange the card with
// the clipboard.

#include <optional>

#include "card/card_model.h"
#include "render/render_context.h"
#include "services/clipboard.h"
#include "shell/frame_text_commands.h"

namespace orvane {

/// What "&Icone" ended with.
enum class IconChoice {
  Cancelled,  // the dialog was cancelled: the card has no icon file any more and shows a blank icon
  Chosen,     // the icon was read from the file chosen
  Refused,    // the file chosen is not a picture: reported, and the card is as it was
};

/// `micone_click`: the picture dialog in the images directory, icons preselected. The icon kind follows
/// the path's last letter ("o": icon, "p": bitmap, otherwise unchanged) and the picture is read into
/// `renderer`; the images directory is left as it is.
IconChoice chooseIcon(CardModel& card, RendererState& renderer, PictureService& pictures, ShellState& state,
                      const ElementServices& services);

/// `mmotif_click`: the picture dialog in the images directory. A bitmap chosen becomes the pattern, its
/// folder the images directory, and the transparent frames are drawn again on it; `context` draws this
/// same card. Cancelling leaves the card without a pattern file; a file that is not a picture is
/// reported (message 131) and leaves the card as it was. True when a pattern was taken.
bool choosePattern(CardModel& card, RenderContext& context, ShellState& state,
                   const ElementServices& services);

/// `mclipbrd_click`: the clipboard's picture, to be stretched over the whole card window; message 134
/// and nothing when the clipboard holds no picture.
std::optional<Image> clipboardPicture(Clipboard& clipboard, Prompter& prompter, Language language);

/// `clipClick`: puts the card window's surface as shown, `cardWidth` by `cardHeight` from its corner,
/// on the clipboard.
void copyCardToClipboard(const CardModel& card, const Image& shown, Clipboard& clipboard);

}  // namespace orvane
