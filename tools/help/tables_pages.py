#!/usr/bin/env python3
"""Makes the help's input-table pages from docs/tables.md, one page per
script (the "## " sections, numbered from 1 in file order):
    tools/help/tables_pages.py docs/tables.md OUTPUT-FOLDER
The Markdown there is a small part of the language: headings, paragraphs,
tables, lists, folded blocks, `code`, **bold** and *emphasis*."""
import html
import re
import sys


def inline(text):
    text = html.escape(text, quote=False)
    text = re.sub(r"`([^`]+)`", r"<code>\1</code>", text)
    text = re.sub(r"\*\*([^*]+)\*\*", r"<b>\1</b>", text)
    text = re.sub(r"\*([^*\s][^*]*)\*", r"<i>\1</i>", text)
    return text


def cells(row):
    return [c.strip() for c in row.strip().strip("|").split("|")]


def body(lines):
    out, paragraph, table, items = [], [], [], []

    def flush():
        if paragraph:
            out.append("<p>" + inline(" ".join(paragraph)) + "</p>")
            paragraph.clear()
        if items:
            out.append("<ul>" + "".join("<li>" + inline(i) + "</li>" for i in items) + "</ul>")
            items.clear()
        if table:
            rows = [r for r in table if not re.fullmatch(r"\|?[\s:|-]+\|?", r.strip())]
            head, rest = rows[0], rows[1:]
            out.append('<table class="script">')
            out.append("<tr>" + "".join("<th>" + inline(c) + "</th>" for c in cells(head)) + "</tr>")
            for row in rest:
                out.append("<tr>" + "".join("<td>" + inline(c) + "</td>" for c in cells(row)) + "</tr>")
            out.append("</table>")
            table.clear()

    for line in lines:
        summary = re.fullmatch(r"<details><summary>(.*)</summary>", line.strip())
        if summary:  # a folded block: a heading of its own here
            flush()
            out.append("<h2>" + inline(summary.group(1)) + "</h2>")
            continue
        if line.strip() == "</details>":
            flush()
            continue
        if line.startswith("### "):
            flush()
            out.append("<h2>" + inline(line[4:]) + "</h2>")
        elif line.startswith("|"):
            if paragraph or items:
                flush()
            table.append(line)
        elif line.startswith("- "):
            if paragraph or table:
                flush()
            items.append(line[2:])
        elif not line.strip():
            flush()
        else:
            if table:
                flush()
            paragraph.append(line.strip())
    flush()
    return "\n".join(out)


def main():
    source, folder = sys.argv[1], sys.argv[2]
    sections, current = [], None
    for line in open(source, encoding="utf-8").read().splitlines():
        if line.startswith("## "):
            current = [line[3:], []]
            sections.append(current)
        elif current:
            current[1].append(line)
    for number, (title, lines) in enumerate(sections, 1):
        name = title.split(" — ")[0]
        page = (
            '<!DOCTYPE html>\n<html lang="ja"><head>'
            '<meta http-equiv="Content-Type" content="text/html; charset=utf-8">\n'
            f"<title>入力テーブル：{html.escape(name)}</title>"
            '<link rel="stylesheet" href="style.css"></head>\n<body>\n'
            f"<h1>入力テーブル：{inline(title)}</h1>\n"
            f'{body(lines)}\n<p><a href="tables.html">入力テーブルの一覧へ</a></p>\n</body></html>\n'
        )
        with open(f"{folder}/tables-{number}.html", "w", encoding="utf-8") as out:
            out.write(page)
    print(len(sections))


if __name__ == "__main__":
    main()
