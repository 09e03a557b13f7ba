#!/usr/bin/env bash
# The program runs elevated from a folder the user can write to. Windows loads the DLLs it
# imports before the program can restrict the search path, so every import must be a
# known system DLL (never looked for beside the program) or, for the common controls,
# come through the manifest's side-by-side assembly.
program=$1
allowed=" advapi32.dll comctl32.dll gdi32.dll gdiplus.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll user32.dll "
status=0
while read -r dll; do
    case "$allowed" in
        *" ${dll,,} "*) ;;
        *) echo "FAIL: imports $dll, which Windows may load from the program's folder"; status=1 ;;
    esac
done < <(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\tDLL Name: //p')
[ "$status" -eq 0 ] && echo "imports: only system DLLs"
exit "$status"
