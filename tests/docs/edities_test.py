#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The students' edition of the guide answers nothing that the lecturer's
edition keeps for the lecturer.

What the lecturer's edition holds in its blocks of class "docent" (figures,
numbers, answers) must not appear in the students' edition: none of its
sentences, none of its figures, and none of its numbers that the text both
editions share does not also give.

Neither the students' edition nor the start page beside the pages names
the lecturer's edition.

usage: edities_test.py STUDENT.html DOCENT.html [INDEX.html]
"""

import html.parser
import re
import sys


class Blokken(html.parser.HTMLParser):
    """The text inside and outside the blocks of class docent and student, and each
    image's alt text with the kind of block it is in."""

    def __init__(self):
        super().__init__()
        self.stapel = []  # per open div: its class among docent/student, or None
        self.tekst = {"docent": [], "student": [], "gedeeld": []}
        self.beelden = []

    def soort(self):
        return next((s for s in reversed(self.stapel) if s), "gedeeld")

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag in ("div", "section"):  # pandoc makes a block that opens with a heading a section
            klassen = (attrs.get("class") or "").split()
            self.stapel.append(next((k for k in ("docent", "student") if k in klassen), None))
        elif tag == "img":
            self.beelden.append((self.soort(), attrs.get("alt", "")))
        elif tag in ("p", "li", "td", "th", "figcaption", "h2", "h3", "br"):
            self.tekst[self.soort()].append("\n")

    def handle_endtag(self, tag):
        if tag in ("div", "section") and self.stapel:
            self.stapel.pop()

    def handle_data(self, data):
        self.tekst[self.soort()].append(data)


def lees(pad):
    blokken = Blokken()
    with open(pad, encoding="utf-8") as bestand:
        blokken.feed(bestand.read())
    return {k: " ".join("".join(v).split()) for k, v in blokken.tekst.items()}, blokken.beelden


def zinnen(tekst):
    """Sentences long enough to be the guide's own words, not a common phrase."""
    return [z.strip() for z in re.split(r"(?<=[.:;?!])\s+", tekst) if len(z.strip()) >= 30]


def getallen(tekst):
    """Numbers with three or more digits or a decimal comma: the measured kind."""
    return set(re.findall(r"−?\d+,\d+|−?\d{3,}", tekst))


def main():
    student, student_beelden = lees(sys.argv[1])
    docent, docent_beelden = lees(sys.argv[2])
    fouten = []
    figuren = [alt for soort, alt in docent_beelden if soort == "docent"]
    if not docent["docent"] or not figuren:
        fouten.append("the lecturer's edition has no lecturer's blocks or figures to compare")
    if docent["student"] or student["docent"]:
        fouten.append("an edition holds the other edition's blocks")
    alles = " ".join(student.values())
    fouten += [f"sentence: {z!r}" for z in zinnen(docent["docent"]) if z in alles]
    fouten += [f"figure: {alt!r}" for alt in figuren if alt in {a for _, a in student_beelden}]
    antwoorden = getallen(docent["docent"]) - getallen(docent["gedeeld"])
    fouten += [f"number: {g}" for g in sorted(antwoorden & getallen(alles))]
    for pad in [sys.argv[1]] + sys.argv[3:]:
        with open(pad, encoding="utf-8") as bestand:
            if re.search(r"handleiding-docent|voor de docent", bestand.read(), re.IGNORECASE):
                fouten.append(f"the lecturer's edition, named in {pad}")
    for fout in fouten:
        print(f"handleiding.html gives away {fout}", file=sys.stderr)
    print(f"{len(zinnen(docent['docent']))} sentences, {len(figuren)} figures and "
          f"{len(antwoorden)} numbers of the lecturer's blocks: "
          + ("none in the students' edition" if not fouten else f"{len(fouten)} found"))
    return 1 if fouten else 0


if __name__ == "__main__":
    sys.exit(main())
