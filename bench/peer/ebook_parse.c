/* SPDX-License-Identifier: GPL-3.0-or-later
 * The peer column of bench/run: libebook-contacts parses every card of one file (the file
 * read in one piece, split at its BEGIN:VCARD / END:VCARD lines, each card parsed in full)
 * and the number of cards is printed. */
#include <libebook-contacts/libebook-contacts.h>

#include <stdio.h>
#include <string.h>

static const char *line_end(const char *at, const char *end)
{
    const char *found = memchr(at, '\n', (size_t)(end - at));
    return found ? found + 1 : end;
}

int main(int argc, char **argv)
{
    gchar *text = NULL;
    gsize size = 0;
    GError *error = NULL;
    if (argc != 2) {
        fputs("usage: ebook_parse FILE\n", stderr);
        return 2;
    }
    if (!g_file_get_contents(argv[1], &text, &size, &error)) {
        fprintf(stderr, "%s: %s\n", argv[1], error->message);
        return 1;
    }
    long cards = 0;
    const char *end = text + size;
    const char *begin = NULL;
    for (const char *at = text; at < end;) {
        const char *next = line_end(at, end);
        if (g_ascii_strncasecmp(at, "BEGIN:VCARD", 11) == 0) {
            begin = at;
        } else if (begin && g_ascii_strncasecmp(at, "END:VCARD", 9) == 0) {
            gchar *card = g_strndup(begin, (gsize)(next - begin));
            EVCard *vcard = e_vcard_new_from_string(card);
            cards += e_vcard_get_attributes(vcard) != NULL;
            g_object_unref(vcard);
            g_free(card);
            begin = NULL;
        }
        at = next;
    }
    g_free(text);
    printf("%ld\n", cards);
    return 0;
}
