#!/usr/bin/env python3
"""The kit's manual against its sources.

  check_manual.py [--mandoc M] --source DIR --built DIR --version V CHECK
    names     every call declared in kit.h has a page, and every name a page gives is such a
              call whose `man 3 NAME` opens that page
    lint      mandoc -T lint says nothing of any page, but that it cannot find the pages that
              the manual itself adds
    html      docs/manual/ holds every page as mandoc renders it to HTML, and its links land
              (with --update, it renders them there first)
    tutorial  each block of docs/tutorial.md that names its file (every C++ and CMake one
              must) is a run of that file's lines, and every picture it shows exists
"""

import argparse
import re
import subprocess
import sys
from pathlib import Path

# The pages that are not the kit's but that its pages point to.
OTHER_PAGES = ["packaging/man/frosty-replay.1", "packaging/man/frosty.6"]


def kit_pages(source):
    return sorted(Path(source, "kit/man").glob("*.[135]"))


def page_links(source):
    """NAME.SECTION of a link -> the page it opens, from kit/man/CMakeLists.txt."""
    text = Path(source, "kit/man/CMakeLists.txt").read_text()
    listed = re.search(r"set\(PZ417_KIT_PAGE_LINKS ([^)]*)\)", text).group(1).split()
    return dict(link.split("=") for link in listed)


def installed_pages(source):
    text = Path(source, "kit/man/CMakeLists.txt").read_text()
    return re.search(r"set\(PZ417_KIT_PAGES\s([^)]*)\)", text).group(1).split()


def page_names(page):
    """The names in a page's NAME section."""
    text = page.read_text()
    section = text.split(".Sh NAME\n", 1)[1].split(".Sh ", 1)[0]
    return re.findall(r"^\.Nm (\S+)", section, re.M)


def check_names(args):
    header = Path(args.source, "kit/include/pz417/kit.h").read_text()
    declared = set(re.findall(r"^int (\w+)\(", header, re.M))
    links = page_links(args.source)
    installed = installed_pages(args.source)
    problems = []
    named = set()
    for page in kit_pages(args.source):
        if page.name not in installed:
            problems.append(f"{page.name} is not installed (PZ417_KIT_PAGES)")
        section = page.suffix[1:]
        for name in page_names(page):
            named.add(name)
            own = f"{name}.{section}"
            if own != page.name and links.get(own) != page.name:
                problems.append(f"man {section} {name} does not open {page.name}")
            if name not in declared and not name.startswith("pz417"):
                problems.append(f"{page.name} names {name}, which kit.h does not declare")
    problems += [f"{call} has no page" for call in sorted(declared - named)]
    return problems


def own_pages(source):
    """NAME SECTION of every page the manual adds, links included."""
    names = {p.name for p in kit_pages(source)} | set(page_links(source))
    names |= {Path(p).name for p in OTHER_PAGES}
    return {tuple(n.rsplit(".", 1)) for n in names}


def built_pages(built):
    return sorted(Path(built).glob("man[135]/*"))


def check_lint(args):
    known = own_pages(args.source)
    problems = []
    pages = built_pages(args.built)
    if len(pages) != len(kit_pages(args.source)):
        problems.append(f"{args.built} holds {len(pages)} pages, not one for each of kit/man/")
    for page in pages:
        run = subprocess.run([args.mandoc, "-T", "lint", str(page)], capture_output=True,
                             text=True)
        for message in (run.stdout + run.stderr).splitlines():
            found = re.search(r"STYLE: referenced manual not found: Xr (\S+) (\d)", message)
            if not (found and found.groups() in known):
                problems.append(message)
    return problems


def render_html(args, page):
    run = subprocess.run([args.mandoc, "-T", "html", "-O", "man=%N.%S.html",
                          "-I", f"os=PZ417 {args.version}", str(page)],
                         capture_output=True, text=True, check=True)
    return run.stdout


def check_html(args):
    docs = Path(args.source, "docs/manual")
    problems = []
    pages = built_pages(args.built) + [Path(args.source, p) for p in OTHER_PAGES]
    for page in pages:
        html = docs / f"{page.name}.html"
        if args.update:
            html.write_text(render_html(args, page))
        if not html.exists() or html.read_text() != render_html(args, page):
            problems.append(f"{html} is not {page.name} as it is now (scripts/manual.sh)")
            continue
        for target in re.findall(r'href="([^"#:]+)"', html.read_text()):
            if not (docs / target).exists():
                problems.append(f"{html.name} links to {target}, which docs/manual/ lacks")
    return problems


def check_tutorial(args):
    tutorial = Path(args.source, "docs/tutorial.md")
    text = tutorial.read_text()
    problems = []
    blocks = re.findall(r"<!-- from (\S+) -->\n```\w*\n(.*?)```", text, re.S)
    code = len(re.findall(r"^```(?:cpp|cmake)$", text, re.M))
    marked = len(blocks)
    if len(re.findall(r"<!-- from \S+ -->\n```(?:cpp|cmake)\n", text)) != code:
        problems.append("a cpp or cmake block does not say which file it is from")
    for name, block in blocks:
        path = Path(args.source, name)
        if not path.exists():
            problems.append(f"a block is from {name}, which does not exist")
            continue
        lines = block.splitlines()
        whole = path.read_text().splitlines()
        if not any(whole[i:i + len(lines)] == lines for i in range(len(whole) - len(lines) + 1)):
            problems.append(f"a block is not lines of {name}: {lines[0]!r}...")
    if marked == 0:
        problems.append("the tutorial shows no file")
    for picture in re.findall(r"!\[[^]]*\]\(([^)]+)\)", text):
        if not (tutorial.parent / picture).exists():
            problems.append(f"the picture {picture} does not exist")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--mandoc", default="mandoc")
    parser.add_argument("--source", required=True)
    parser.add_argument("--built", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--update", action="store_true", help="html: write the pages first")
    parser.add_argument("check", choices=["names", "lint", "html", "tutorial"])
    args = parser.parse_args()
    problems = globals()[f"check_{args.check}"](args)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
