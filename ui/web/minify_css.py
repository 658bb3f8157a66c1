"""The page's style sheet without its comments and the blanks that mean nothing: every
player downloads every byte. It keeps the blanks that do mean something, those between the
words of a value and around the operators of calc().
"""
import re


def minify(css):
    css = re.sub(r"/\*.*?\*/", "", css, flags=re.S)
    css = re.sub(r"\s+", " ", css)
    css = re.sub(r"\s*([{};,>])\s*", r"\1", css)
    # After a property's colon; a selector's pseudo-class has no blank before it here.
    css = re.sub(r":\s+", ":", css)
    return css.replace(";}", "}").strip() + "\n"

