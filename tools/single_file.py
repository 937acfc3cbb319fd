#!/usr/bin/python3
"""The whole game in one page that plays from a file, with no server and no network: the site's
index.html with its style, its scripts, the program, the fonts and the pictures inside it.

    single_file.py SITE OUT

The program and the files the page would fetch ride as base64 in window.ruvantiaFiles and
window.ruvantiaProgram; the page's own script looks there first. The page keeps a strict content
security policy: each inline script and style is allowed by its hash, pictures and fonts only as
data: addresses.
"""
import base64
import hashlib
import os
import re
import sys


def main():
    site, out = sys.argv[1], sys.argv[2]

    def read(name, mode="r"):
        with open(os.path.join(site, name), mode) as f:
            return f.read()

    def data_url(name, kind):
        return f"data:{kind};base64,{base64.b64encode(read(name, 'rb')).decode()}"

    files = {}
    for name in sorted(os.listdir(site)):
        if name.endswith(".svg"):
            files[name] = data_url(name, "image/svg+xml")
    for name in sorted(os.listdir(os.path.join(site, "fonts"))):
        if name.endswith(".woff2"):
            files[f"fonts/{name}"] = data_url(f"fonts/{name}", "font/woff2")

    def script(text):
        # Nothing in a script may close its element early.
        return text.replace("</script", "<\\/script").replace("<!--", "<\\!--")

    wasm = base64.b64encode(read("show.wasm", "rb")).decode()
    entries = ",\n".join(f"  {name!r}: {url!r}" for name, url in files.items())
    first = (
        "'use strict';\n"
        "// The files a served page would fetch, and the program, compiled as the page loads.\n"
        f"window.ruvantiaFiles = Object.freeze({{\n{entries}\n}});\n"
        f"window.ruvantiaProgram = WebAssembly.compile(Uint8Array.from(atob('{wasm}'), (c) => c.charCodeAt(0)));\n"
    )
    style = read("ruvantia.css").replace("url(hand.svg)", f"url({files['hand.svg']})")
    scripts = [script(first), script(read("sheets.js")), script(read("show.js"))]

    def sha(text):
        return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"

    policy = (
        "default-src 'none'; script-src " + " ".join(sha(s) for s in scripts) + " 'wasm-unsafe-eval'; "
        f"style-src {sha(style)}; img-src data:; font-src data:; base-uri 'none'; form-action 'none'"
    )

    page = read("index.html")
    page = re.sub(r'(<meta http-equiv="Content-Security-Policy" content=")[^"]*(">)',
                  lambda m: m.group(1) + policy + m.group(2), page)
    page = page.replace('href="icon.svg"', f'href="{files["icon.svg"]}"')
    # What the served page fetches, the one file holds.
    drop = [r'<link rel="manifest"[^>]*>\n', r'<link rel="preload"[^>]*>\n', r'<!--[^>]*-->\n',
            r'<script src="show.js" defer></script>\n']
    for pattern in drop:
        page = re.sub(pattern, "", page)
    page = page.replace('<script src="compile.js"></script>', f"<script>{scripts[0]}</script>")
    page = page.replace('<link rel="stylesheet" href="ruvantia.css">', f"<style>{style}</style>")
    page = page.replace("</body>", f"<script>{scripts[1]}</script>\n<script>{scripts[2]}</script>\n</body>")
    markup = re.sub(r"<(script|style)>.*?</\1>", "", page, flags=re.S)
    if re.search(r'<(script|link|img)[^>]* (src|href)="(?!data:)', markup):
        sys.exit("single_file.py: the page still fetches a file")
    with open(out + ".new", "w") as f:
        f.write(page)
    os.replace(out + ".new", out)


if __name__ == "__main__":
    main()
