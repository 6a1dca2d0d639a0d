#!/usr/bin/env python3
"""Reads the translated catalogues of translations/ and checks each translation
against its English text: every text is translated, the %1..%99 and %n markers
are all there (a lost %2 prints the marker, or drops a number), as are the
leading and trailing blanks and the blank lines (the program joins texts and
lines), one & access key where the English has one (Japanese writes it as the
"(&X)" suffix), a plural form for each of the language's counts, and French
keeps its no-break space before : ; ? ! and inside « ». Exit 0 when all holds,
1 with one line per finding otherwise."""
import os
import re
import sys
import xml.etree.ElementTree as ET

# Plural forms lupdate writes for each language the program ships.
PLURAL_FORMS = {'de': 2, 'fr': 2, 'es': 2, 'ja': 1}
MARKER = re.compile(r'%(?:n|\d{1,2})')
NBSP = '\u00a0'


def markers(text):
    return sorted(MARKER.findall(text))


def access_keys(text):
    # "&&" shows an ampersand; any other & underlines the next character.
    return re.findall(r'&(?!&)(.)', text.replace('&&', ''))


def edges(text):
    return re.match(r'\s*', text).group(0), re.search(r'\s*$', text).group(0)


def check(language, source, translation):
    findings = []
    if markers(translation) != markers(source):
        findings.append(f'markers {markers(translation)} where the English has {markers(source)}')
    if edges(translation) != edges(source):
        findings.append('leading or trailing blanks differ')
    if translation.count('\n\n') != source.count('\n\n'):
        findings.append('the blank lines differ')
    keys = access_keys(translation)
    if len(keys) != len(access_keys(source)):
        findings.append(f'{len(keys)} access keys where the English has {len(access_keys(source))}')
    elif keys and language == 'ja' and not re.search(r'\(&[0-9A-Z]\)', translation):
        findings.append('the access key is not in the "(&X)" form')
    if language == 'fr':
        if re.search(r'[ \t][:;?!]', translation) or '« ' in translation or ' »' in translation:
            findings.append('a plain space where French has a no-break space')
    return findings


def main():
    folder = sys.argv[1]
    findings = []
    for language, forms in PLURAL_FORMS.items():
        path = os.path.join(folder, f'desklet_{language}.ts')
        for context in ET.parse(path).getroot().iter('context'):
            name = context.findtext('name') or ''
            for message in context.iter('message'):
                source = message.findtext('source') or ''
                translation = message.find('translation')
                texts = [form.text or '' for form in translation.iter('numerusform')] or [translation.text or '']
                where = f'{language} {name}: "{source[:50]}"'
                if translation.get('type') in ('unfinished', 'vanished', 'obsolete') or not all(texts):
                    findings.append(f'{where}: not translated')
                    continue
                if message.get('numerus') == 'yes' and len(texts) != forms:
                    findings.append(f'{where}: {len(texts)} plural forms, the language has {forms}')
                for text in texts:
                    findings += [f'{where}: {finding}' for finding in check(language, source, text)]
    for finding in findings:
        print(finding)
    return 1 if findings else 0


if __name__ == '__main__':
    sys.exit(main())
