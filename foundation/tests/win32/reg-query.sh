#!/bin/sh
# Reads what the registry form of the tree stores with Wine's own `reg query`, and loads what
# `reg add` stores, so that an independent program checks both directions.
#   reg-query.sh <CfgRegistryTool.exe>
# KRUMBEL_WINE_SESSION and KRUMBEL_WINE_STATE come from the test registration.
set -eu
tool=$1
key='HKCU\Software\KrumbelTests\RegQuery'
location='HKCU:Software/KrumbelTests/RegQuery'
. "$(dirname "$KRUMBEL_WINE_SESSION")/wine-reg-check.sh"

# Save: every leaf becomes a REG_SZ value, every node with children a subkey with an empty
# default value (Wine lists values sorted by name).
reg delete "$key" /f >/dev/null || true
session run "$tool" save "$location"
output=$(reg query "$key" /s)
expect "reg query of a saved tree" "
HKEY_CURRENT_USER\\Software\\KrumbelTests\\RegQuery
    (Default)    REG_SZ    
    Language    REG_SZ    1

HKEY_CURRENT_USER\\Software\\KrumbelTests\\RegQuery\\Performance
    (Default)    REG_SZ    
    MaxFramerate    REG_SZ    25

HKEY_CURRENT_USER\\Software\\KrumbelTests\\RegQuery\\Screen
    (Default)    REG_SZ    
    Fullscreen    REG_SZ    1
    Name    REG_SZ    two words"

# Load: REG_SZ values written by reg are read, subkeys first; other types are left out.
reg delete "$key" /f >/dev/null || true
reg add "$key\\Screen" /v Width /t REG_SZ /d 1024 /f >/dev/null
reg add "$key" /v Language /t REG_SZ /d de /f >/dev/null
reg add "$key" /v Count /t REG_DWORD /d 7 /f >/dev/null
reg add "$key" /v Paths /t REG_EXPAND_SZ /d "%TEMP%" /f >/dev/null
output=$(session run "$tool" dump "$location")
expect "tree loaded from values that reg added" "Root { 
	Screen { 
		Width = '1024'
	}
	Language = 'de'
}"

reg delete "$key" /f >/dev/null || true
[ "$failures" -eq 0 ] && echo "reg query and reg add agree with the registry form"
exit "$failures"
