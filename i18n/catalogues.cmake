# The language catalogues, English (the source) first. A new language is one
# more PO file in this folder and its code here.
set(KORVANE_CATALOGUES en zh_CN zh_TW vi es)
