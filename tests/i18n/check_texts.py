#!/usr/bin/env python3
"""Runs lupdate over src/ as the translators' catalogue is made and checks what it
found: every text lies in the context the program asks for it at run time (a text
that lupdate files under a namespace, or that it cannot place, is never translated),
every text with %n is a plural form, and the folders whose texts a person sees each
have texts. Exit 0 when all holds, 1 with one line per finding otherwise."""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# Contexts that must have texts: the window, its boxes and pages, the terminal.
EXPECTED = [
    'desklet::CFaxClientDlg', 'desklet::CAboutDlg', 'desklet::COnlineHelpDlg', 'desklet::CoverPageCtrl',
    'desklet::RecipientPanel', 'desklet::ContactInfoCtrl', 'desklet::DocumentPreviewCtrl',
    'desklet::CPropertySheet', 'desklet::CPropertyPage_AccountSettingsLogon',
    'desklet::CPropertyPage_ConfirmationSettings', 'desklet::CPropertyPage_SMTP_Settings',
    'TerminalMode', 'DisplayGuard', 'PrintJobs', 'FaxNumberRules', 'JobOptions', 'DocumentPreview',
    'OpenCommand', 'DataExchange', 'SettingsStore', 'PhoneBookFailure', 'CsvReader', 'VCardReader',
]
# Where lupdate puts a text it cannot give its class: no translation is looked up there.
NAMESPACES = {'', 'desklet', 'std', 'desklet::detail'}
# lupdate's own words for a text it could not place.
LOST = ('lacks Q_OBJECT', 'Cannot invoke tr()', 'without context')


def main():
    lupdate, src = sys.argv[1], sys.argv[2]
    findings = []
    with tempfile.TemporaryDirectory() as folder:
        ts = os.path.join(folder, 'texts.ts')
        run = subprocess.run([lupdate, src, '-extensions', 'cpp,h', '-source-language', 'en', '-locations',
                              'none', '-ts', ts], capture_output=True, text=True, timeout=300)
        if run.returncode != 0:
            print(run.stdout + run.stderr)
            return 1
        for line in (run.stdout + run.stderr).splitlines():
            if any(word in line for word in LOST):
                findings.append(f'lupdate: {line}')
        counts = {}
        for context in ET.parse(ts).getroot().iter('context'):
            name = context.findtext('name') or ''
            for message in context.iter('message'):
                source = message.findtext('source') or ''
                counts[name] = counts.get(name, 0) + 1
                if name in NAMESPACES:
                    findings.append(f'context "{name}" (no class): "{source[:60]}"')
                if '%n' in source and message.get('numerus') != 'yes':
                    findings.append(f'{name}: "{source[:60]}" has %n but no count')
    for name in EXPECTED:
        if counts.get(name, 0) == 0:
            findings.append(f'no text found in {name}')
    for finding in findings:
        print(finding)
    return 1 if findings else 0


if __name__ == '__main__':
    sys.exit(main())
