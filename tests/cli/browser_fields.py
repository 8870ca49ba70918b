#!/usr/bin/env python3
"""Opens an HTML page in headless Chromium and prints, as JSON, every field of its first form that
would be sent ("name=value"; boxes and radio buttons only when checked); given a second file, writes
into it the text the form shows (its labels and captions). A copy of the page is given a
reading script of its own at the end, so the page itself needs none. Fails when a script typed into a
field ran (it marks the body with data-injected). Exits 77 when Chromium cannot start at all."""
import html
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

READER = """<script>
var out = [];
for (const e of document.forms[0].elements) {
  if ((e.type !== 'radio' && e.type !== 'checkbox') || e.checked) out.push(e.name + '=' + e.value);
}
var pre = document.createElement('pre');
pre.id = 'fields';
pre.textContent = JSON.stringify(out);
document.body.appendChild(pre);
var shown = document.createElement('pre');
shown.id = 'shown';
shown.textContent = JSON.stringify(document.forms[0].innerText);
document.body.appendChild(shown);
</script>
"""


def dump_dom(browser, scratch, url):
    command = [browser, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
               "--user-data-dir=" + os.path.join(scratch, "profile"), "--dump-dom", url]
    return subprocess.run(command, capture_output=True, timeout=120,
                          env=dict(os.environ, HOME=scratch))


def main():
    page = sys.argv[1]
    browser = shutil.which("chromium")
    if not browser:
        print("skipped: chromium is not installed (scripts/bootstrap installs it)")
        return 77
    with tempfile.TemporaryDirectory() as scratch:
        if dump_dom(browser, scratch, "about:blank").returncode != 0:
            print("skipped: chromium cannot start here")
            return 77
        probe = os.path.join(os.path.dirname(os.path.abspath(page)), "probe-" + os.path.basename(page))
        with open(page, "rb") as source, open(probe, "wb") as copy:
            copy.write(source.read() + READER.encode("ascii"))
        result = dump_dom(browser, scratch, "file://" + probe)
        if result.returncode != 0:
            sys.exit("chromium failed: " + result.stderr.decode(errors="replace")[-300:])
        dom = result.stdout.decode("utf-8")
    if re.search(r"<body[^>]*data-injected", dom):
        sys.exit("a script typed into a field ran in the page")
    found = re.search(r'<pre id="fields">(.*?)</pre>', dom, re.S)
    if not found:
        sys.exit("the reading script did not run: " + dom[:300])
    print(json.dumps(json.loads(html.unescape(found.group(1))), ensure_ascii=False))
    if len(sys.argv) > 2:
        shown = re.search(r'<pre id="shown">(.*?)</pre>', dom, re.S)
        with open(sys.argv[2], "w", encoding="utf-8") as text:
            text.write(json.loads(html.unescape(shown.group(1))))
    return 0


if __name__ == "__main__":
    sys.exit(main())
