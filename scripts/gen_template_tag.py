#!/usr/bin/env python3
"""Writes resources/Template.tag, the tag dictionary that ships with the program.

Every element of HTML 4.01 (transitional and frameset) and of the living standard, each
with its attribute templates: NAME="" for a valued attribute, the bare name for a boolean
one. CP932, CR LF; the tag list block first, then one attribute block per tag.
"""
import os

CORE = 'CLASS ID STYLE TITLE'
I18N = 'DIR LANG'
EVENTS = ('ONCLICK ONDBLCLICK ONKEYDOWN ONKEYPRESS ONKEYUP ONMOUSEDOWN ONMOUSEMOVE '
          'ONMOUSEOUT ONMOUSEOVER ONMOUSEUP')
ATTRS = ' '.join([CORE, I18N, EVENTS])
FOCUS = 'ACCESSKEY ONBLUR ONFOCUS TABINDEX'
CELL = 'ALIGN CHAR CHAROFF VALIGN'
MEDIA = 'AUTOPLAY? CONTROLS? CROSSORIGIN LOOP? MUTED? PRELOAD SRC'

# Attributes ending in "?" are boolean. "+" stands for the common attributes.
ELEMENTS = {
    'A': '+ ' + FOCUS + ' CHARSET COORDS DOWNLOAD HREF HREFLANG NAME PING REFERRERPOLICY REL REV SHAPE TARGET TYPE',
    'ABBR': '+', 'ACRONYM': '+', 'ADDRESS': '+',
    'APPLET': 'ALIGN ALT ARCHIVE CLASS CODE CODEBASE HEIGHT HSPACE ID NAME OBJECT STYLE TITLE VSPACE WIDTH',
    'AREA': '+ ' + FOCUS + ' ALT COORDS DOWNLOAD HREF NOHREF? PING REFERRERPOLICY REL SHAPE TARGET',
    'ARTICLE': '+', 'ASIDE': '+',
    'AUDIO': '+ ' + MEDIA,
    'B': '+',
    'BASE': 'HREF TARGET',
    'BASEFONT': 'COLOR FACE ID SIZE',
    'BDI': '+', 'BDO': 'CLASS DIR ID LANG STYLE TITLE', 'BIG': '+',
    'BLOCKQUOTE': '+ CITE',
    'BODY': '+ ALINK BACKGROUND BGCOLOR LINK ONLOAD ONUNLOAD TEXT VLINK',
    'BR': 'CLEAR CLASS ID STYLE TITLE',
    'BUTTON': '+ ' + FOCUS + ' DISABLED? FORM FORMACTION FORMENCTYPE FORMMETHOD FORMNOVALIDATE? FORMTARGET NAME TYPE VALUE',
    'CANVAS': '+ HEIGHT WIDTH',
    'CAPTION': '+ ALIGN',
    'CENTER': '+', 'CITE': '+', 'CODE': '+',
    'COL': '+ ' + CELL + ' SPAN WIDTH',
    'COLGROUP': '+ ' + CELL + ' SPAN WIDTH',
    'DATA': '+ VALUE', 'DATALIST': '+',
    'DD': '+',
    'DEL': '+ CITE DATETIME',
    'DETAILS': '+ NAME OPEN?',
    'DFN': '+',
    'DIALOG': '+ OPEN?',
    'DIR': '+ COMPACT?',
    'DIV': '+ ALIGN',
    'DL': '+ COMPACT?',
    'DT': '+', 'EM': '+',
    'EMBED': '+ HEIGHT SRC TYPE WIDTH',
    'FIELDSET': '+ DISABLED? FORM NAME',
    'FIGCAPTION': '+', 'FIGURE': '+',
    'FONT': 'CLASS COLOR DIR FACE ID LANG SIZE STYLE TITLE',
    'FOOTER': '+',
    'FORM': '+ ACCEPT ACCEPT-CHARSET ACTION AUTOCOMPLETE ENCTYPE METHOD NAME NOVALIDATE? ONRESET ONSUBMIT TARGET',
    'FRAME': 'CLASS FRAMEBORDER ID LONGDESC MARGINHEIGHT MARGINWIDTH NAME NORESIZE? SCROLLING SRC STYLE TITLE',
    'FRAMESET': 'CLASS COLS ID ONLOAD ONUNLOAD ROWS STYLE TITLE',
    'H1': '+ ALIGN', 'H2': '+ ALIGN', 'H3': '+ ALIGN', 'H4': '+ ALIGN', 'H5': '+ ALIGN', 'H6': '+ ALIGN',
    'HEAD': 'DIR LANG PROFILE',
    'HEADER': '+', 'HGROUP': '+',
    'HR': '+ ALIGN NOSHADE? SIZE WIDTH',
    'HTML': 'DIR LANG VERSION',
    'I': '+',
    'IFRAME': 'ALIGN ALLOW ALLOWFULLSCREEN? CLASS FRAMEBORDER HEIGHT ID LOADING LONGDESC MARGINHEIGHT MARGINWIDTH NAME '
              'REFERRERPOLICY SANDBOX SCROLLING SRC SRCDOC STYLE TITLE WIDTH',
    'IMG': '+ ALIGN ALT BORDER CROSSORIGIN DECODING HEIGHT HSPACE ISMAP? LOADING LONGDESC NAME REFERRERPOLICY SIZES SRC '
           'SRCSET USEMAP VSPACE WIDTH',
    'INPUT': '+ ' + FOCUS + ' ACCEPT ALIGN ALT AUTOCOMPLETE CHECKED? DIRNAME DISABLED? FORM FORMACTION FORMENCTYPE '
             'FORMMETHOD FORMNOVALIDATE? FORMTARGET HEIGHT ISMAP? LIST MAX MAXLENGTH MIN MINLENGTH MULTIPLE? NAME '
             'ONCHANGE ONSELECT PATTERN PLACEHOLDER READONLY? REQUIRED? SIZE SRC STEP TYPE USEMAP VALUE WIDTH',
    'INS': '+ CITE DATETIME',
    'ISINDEX': 'CLASS DIR ID LANG PROMPT STYLE TITLE',
    'KBD': '+',
    'LABEL': '+ ACCESSKEY FOR ONBLUR ONFOCUS',
    'LEGEND': '+ ACCESSKEY ALIGN',
    'LI': '+ TYPE VALUE',
    'LINK': '+ AS CHARSET CROSSORIGIN HREF HREFLANG INTEGRITY MEDIA REFERRERPOLICY REL REV SIZES TARGET TYPE',
    'MAIN': '+',
    'MAP': '+ NAME',
    'MARK': '+',
    'MENU': '+ COMPACT?',
    'META': 'CHARSET CONTENT DIR HTTP-EQUIV LANG MEDIA NAME SCHEME',
    'METER': '+ HIGH LOW MAX MIN OPTIMUM VALUE',
    'NAV': '+',
    'NOFRAMES': '+', 'NOSCRIPT': '+',
    'OBJECT': '+ ALIGN ARCHIVE BORDER CLASSID CODEBASE CODETYPE DATA DECLARE? FORM HEIGHT HSPACE NAME STANDBY TABINDEX '
              'TYPE USEMAP VSPACE WIDTH',
    'OL': '+ COMPACT? REVERSED? START TYPE',
    'OPTGROUP': '+ DISABLED? LABEL',
    'OPTION': '+ DISABLED? LABEL SELECTED? VALUE',
    'OUTPUT': '+ FOR FORM NAME',
    'P': '+ ALIGN',
    'PARAM': 'ID NAME TYPE VALUE VALUETYPE',
    'PICTURE': '+',
    'PRE': '+ WIDTH',
    'PROGRESS': '+ MAX VALUE',
    'Q': '+ CITE',
    'RP': '+', 'RT': '+', 'RUBY': '+',
    'S': '+', 'SAMP': '+',
    'SCRIPT': 'ASYNC? CHARSET CROSSORIGIN DEFER? EVENT FOR INTEGRITY LANGUAGE NOMODULE? REFERRERPOLICY SRC TYPE',
    'SEARCH': '+', 'SECTION': '+',
    'SELECT': '+ AUTOCOMPLETE DISABLED? FORM MULTIPLE? NAME ONBLUR ONCHANGE ONFOCUS REQUIRED? SIZE TABINDEX',
    'SLOT': '+ NAME',
    'SMALL': '+',
    'SOURCE': '+ HEIGHT MEDIA SIZES SRC SRCSET TYPE WIDTH',
    'SPAN': '+', 'STRIKE': '+', 'STRONG': '+',
    'STYLE': 'DIR LANG MEDIA TITLE TYPE',
    'SUB': '+', 'SUMMARY': '+', 'SUP': '+',
    'TABLE': '+ ALIGN BGCOLOR BORDER CELLPADDING CELLSPACING FRAME RULES SUMMARY WIDTH',
    'TBODY': '+ ' + CELL,
    'TD': '+ ' + CELL + ' ABBR AXIS BGCOLOR COLSPAN HEADERS HEIGHT NOWRAP? ROWSPAN SCOPE WIDTH',
    'TEMPLATE': '+',
    'TEXTAREA': '+ ' + FOCUS + ' AUTOCOMPLETE COLS DIRNAME DISABLED? FORM MAXLENGTH MINLENGTH NAME ONCHANGE ONSELECT '
                'PLACEHOLDER READONLY? REQUIRED? ROWS WRAP',
    'TFOOT': '+ ' + CELL,
    'TH': '+ ' + CELL + ' ABBR AXIS BGCOLOR COLSPAN HEADERS HEIGHT NOWRAP? ROWSPAN SCOPE WIDTH',
    'THEAD': '+ ' + CELL,
    'TIME': '+ DATETIME',
    'TITLE': 'DIR LANG',
    'TR': '+ ' + CELL + ' BGCOLOR',
    'TRACK': '+ DEFAULT? KIND LABEL SRC SRCLANG',
    'TT': '+', 'U': '+',
    'UL': '+ COMPACT? TYPE',
    'VAR': '+',
    'VIDEO': '+ ' + MEDIA + ' HEIGHT PLAYSINLINE? POSTER WIDTH',
    'WBR': 'CLASS ID STYLE TITLE',
}


def templates(listing):
    names = set()
    for word in listing.split():
        names.update(ATTRS.split() if word == '+' else [word])
    # A boolean attribute listed once without "?" would otherwise appear twice.
    booleans = {n[:-1] for n in names if n.endswith('?')}
    lines = set()
    for n in names:
        bare = n.rstrip('?')
        lines.add(bare if bare in booleans else bare + '=""')
    return sorted(lines, key=lambda s: (s.upper(), s))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = os.path.join(here, '..', 'resources', 'Template.tag')
    tags = sorted(ELEMENTS, key=lambda s: (s.upper(), s))
    lines = ['<TAGS>'] + tags + ['</TAGS>']
    for tag in tags:
        lines += ['<' + tag + '>'] + templates(ELEMENTS[tag]) + ['</' + tag + '>']
    with open(out, 'wb') as f:
        f.write(''.join(line + '\r\n' for line in lines).encode('cp932'))


if __name__ == '__main__':
    main()
