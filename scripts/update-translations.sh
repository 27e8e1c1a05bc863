#!/usr/bin/env bash
# Brings the translation files up to date with the texts in the sources: new texts
# are added unfinished, vanished ones marked obsolete. The English file holds only
# the plural forms, whose source texts are the English plurals.
# Usage: scripts/update-translations.sh [more .ts files of new languages...]
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
sources=(app canvas cli dialogs forms model prompts)

"$lupdate" -locations relative -no-obsolete -I . "${sources[@]}" -ts translations/zev_de.ts translations/zev_fr.ts "$@"
"$lupdate" -locations relative -no-obsolete -pluralonly -I . "${sources[@]}" -ts translations/zev_en.ts
