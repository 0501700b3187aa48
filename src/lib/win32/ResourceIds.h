/* Resource identifiers shared by Tessaline.rc and the C++ sources.
   Plain preprocessor defines only: no Windows headers. */
#ifndef TESSALINE_RESOURCE_IDS_H
#define TESSALINE_RESOURCE_IDS_H

/* The application icon (32 x 32 and 16 x 16). */
#define IDI_APP 1

/* 182 x 26, seven 26 x 26 glyphs for the function keys, in order:
   close, clear, register a word, edit a word, search, PAD, settings.
   RGB(255,0,255) is the transparent key colour. */
#define IDB_FUNCTION_GLYPHS 101

/* 208 x 26, eight 26 x 26 glyphs for the table editors' command buttons, in
   order: close, open, overwrite, save, new, delete, insert, add.
   RGB(255,0,255) is the transparent key colour. */
#define IDB_TABLE_EDITOR_GLYPHS 103

/* 352 x 61, four 88 x 61 pictures for the romaji keyboard page, in order:
   Thai, Myanmar, Lao, Khmer. */
#define IDB_LANGUAGE_PICTURES 102

#endif
