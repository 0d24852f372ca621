@echo off
rem Removes Tarn4OL for the current user. Run it while Outlook is running: the add-in then also
rem takes its toolbars and buttons out of Outlook. The program files are deleted from
rem %LOCALAPPDATA%\Tarn4OL; the word and sender lists (*.tarn) and the reports stay there, and
rem the settings stay in the registry, so that nothing of yours is lost.
setlocal
set "target=%LOCALAPPDATA%\Tarn4OL"
if not exist "%target%\Tarn4OL.dll" (
    echo Tarn4OL is not installed in %target%.
    exit /b 1
)
regsvr32 /u /s "%target%\Tarn4OL.dll"
if errorlevel 1 (
    echo Tarn4OL: the add-in could not be unregistered; nothing was deleted.
    echo Run "regsvr32 /u "%target%\Tarn4OL.dll"" to see why.
    exit /b 1
)
set "kept="
for %%f in (Tarn4OL.dll tarnrules.dll tarnrules.dict Language.ini tarn4ol.chm README.txt) do (
    if exist "%target%\%%f" del /q "%target%\%%f" 2>nul
    if exist "%target%\%%f" set "kept=%%f"
)
if defined kept (
    echo Tarn4OL is unregistered: Outlook will not load it again. Outlook still holds its files
    echo open; close Outlook and delete the program files in %target%, or run uninstall.cmd again.
    exit /b 0
)
echo Tarn4OL is removed. Your lists and reports are kept in %target%.
exit /b 0
