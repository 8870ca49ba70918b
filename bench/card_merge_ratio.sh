#!/usr/bin/env bash
# Times `orvane-cli card-merge --mixed` against the label designer's own batch merge of the same 1,000
# CSV rows, in one run, and prints the ratio of their medians (Orvane / label designer).
#
# Both draw the same business card, 85 × 54 mm, ten to an A4 page, 100 pages in all: a background
# colour and pattern, an icon, and two coloured frames of text, the first filled with a person's name
# and post from each row, the second the fixed address. The label designer's document is written here
# in its own XML format; as it takes a single font per text object, its first frame uses the header
# font for both lines. Each command is one whole process: start-up, reading, drawing and writing.
#
# The label designer and hyperfine are installed from Debian when missing; the tests need neither.
# Usage: card_merge_ratio.sh PATH_TO_orvane-cli [RUNS]
set -euo pipefail
cli="$(realpath "$1")"
runs="${2:-10}"
data="$(cd "$(dirname "$0")/../tests/data/render" && pwd)"

missing=()
command -v glabels-3-batch >/dev/null || missing+=(glabels)
command -v hyperfine >/dev/null || missing+=(hyperfine)
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "installing ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq >/dev/null
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

BENCH="$(dirname "$0")" python3 - "$cli" "$runs" "$data" <<'PY'
import json, os, subprocess, sys, tempfile

sys.path.insert(0, os.environ["BENCH"])
from team_merge import prepare_team_folder

cli, runs, data, rows = sys.argv[1], sys.argv[2], sys.argv[3], 1000
pages = rows // 10

def set_card_lines(path, values):
    """Sets the values of the numbered lines of a card file, each line being `N - label :value`."""
    lines = open(path, "rb").read().split(b"\r\n")
    for i, line in enumerate(lines):
        number = line.split(b" - ", 1)[0]
        if number.isdigit() and int(number) in values:
            lines[i] = line.split(b":", 1)[0] + b":" + values[int(number)].encode()
    open(path, "wb").write(b"\r\n".join(lines))

def mm(pixels):
    return f"{pixels * 25.4 / 96:.3f}mm"  # the card's lengths are pixels at 96 per inch

# The card laid out across: icon at (4, 8) 24 px wide, frame 1 and frame 2 as below, in pixels.
card = {"width": 321, "height": 204}
frame1 = {"left": 40, "top": 10, "width": 240, "height": 70}
frame2 = {"left": 10, "top": 90, "width": 290, "height": 100}

def place(box):
    return (f'x="{mm(box["left"])}" y="{mm(box["top"])}" w="{mm(box["width"])}" h="{mm(box["height"])}" '
            'a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"')

def label_document():
    icon = {"left": 4, "top": 8, "width": 24, "height": 24}
    whole = {"left": 0, "top": 0, **card}
    # Colours are RGBA; the card file gives the same ones as Windows BGR values.
    return f'''<?xml version="1.0"?>
<Glabels-document xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Bench" part="2x5-85x54" size="A4" description="A4 2 x 5, 85 x 54 mm">
    <Meta category="business-card"/>
    <Label-rectangle id="0" width="85mm" height="54mm" round="0mm" x_waste="0mm" y_waste="0mm">
      <Layout nx="2" ny="5" x0="15mm" y0="13.5mm" dx="95mm" dy="54mm"/>
    </Label-rectangle>
  </Template>
  <Objects id="0" rotate="False">
    <Object-box {place(whole)} line_width="0pt" fill_color="0xfff0e0ff"/>
    <Object-image {place(whole)} src="motif.bmp"/>
    <Object-image {place(icon)} src="logo.ico"/>
    <Object-box {place(frame1)} line_width="0pt" fill_color="0xc0cdffff"/>
    <Object-text {place(frame1)} justify="Center" valign="Top">
      <Span font_family="Liberation Serif" font_size="14" font_weight="Bold" font_italic="False"
            color="0x000080ff" line_spacing="1"><Field name="Nom"/><NL/><Field name="Poste"/></Span>
    </Object-text>
    <Object-box {place(frame2)} line_width="0pt" fill_color="0xf0fff0ff"/>
    <Object-text {place(frame2)} justify="Left" valign="Top">
      <Span font_family="Liberation Sans Narrow" font_size="11" font_weight="Regular" font_italic="False"
            color="0x000000ff" line_spacing="1">12 rue des Lilas<NL/>75011 Paris<NL/>  anne.martin@exemple.fr</Span>
    </Object-text>
  </Objects>
  <Merge type="Text/Semicolon/Line1Keys" src="team.csv"/>
</Glabels-document>
'''

def page_count(pdf):
    info = subprocess.run(["pdfinfo", pdf], check=True, capture_output=True, text=True).stdout
    return int(next(line.split()[1] for line in info.splitlines() if line.startswith("Pages:")))

with tempfile.TemporaryDirectory(prefix="orvane-bench-ratio-") as folder:
    prepare_team_folder(data, folder, rows)
    set_card_lines(os.path.join(folder, "carte.ov1"), {
        3: "paysage", 15: str(card["width"]), 16: str(card["height"]),
        19: str(frame1["width"]), 20: str(frame1["height"]), 21: str(frame1["top"]), 28: str(frame1["left"]),
        22: str(frame2["width"]), 23: str(frame2["height"]), 24: str(frame2["top"]), 27: str(frame2["left"])})
    open(os.path.join(folder, "team.label"), "w", encoding="utf-8").write(label_document())

    orvane = f"'{cli}' card-merge carte.ov1 team.csv orvane.pdf --mixed --template a4-2x5-85x54"
    peer = "glabels-3-batch -o peer.pdf team.label"
    for command, pdf in ((orvane, "orvane.pdf"), (peer, "peer.pdf")):
        subprocess.run(command, shell=True, cwd=folder, check=True, capture_output=True)
        found = page_count(os.path.join(folder, pdf))
        assert found == pages, f"{pdf} has {found} pages, not {pages}"

    results = os.path.join(folder, "times.json")
    subprocess.run(["hyperfine", "--warmup", "1", "--runs", runs, "--style", "basic",
                    "--export-json", results, "-n", "orvane", orvane, "-n", "label designer", peer],
                   cwd=folder, check=True, stdout=sys.stderr)
    median = {result["command"]: result["median"] for result in json.load(open(results))["results"]}
ratio = median["orvane"] / median["label designer"]
print(f"card-merge --mixed, {rows} rows, {pages} pages: Orvane {median['orvane']:.3f} s, "
      f"label designer {median['label designer']:.3f} s (medians); "
      f"ratio Orvane/label designer {ratio:.3f}", flush=True)
PY
