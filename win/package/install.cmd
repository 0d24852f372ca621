@echo off
rem Installs Tarn4OL for the current user: copies the add-in from this folder into
rem %LOCALAPPDATA%\Tarn4OL and registers it there with regsvr32. No administrator rights are
rem needed. Installing again over an earlier installation updates the program files and keeps
rem the word and sender lists, the reports and the settings.
setlocal
set "source=%~dp0"
set "target=%LOCALAPPDATA%\Tarn4OL"
if "%LOCALAPPDATA%"=="" (
    echo Tarn4OL: this Windows does not tell where local application data belongs.
    exit /b 1
)
for %%f in (Tarn4OL.dll tarnrules.dll tarnrules.dict Language.ini tarn4ol.chm README.txt) do (
    if not exist "%source%%%f" (
        echo Tarn4OL: %%f is missing beside install.cmd. Unpack the whole zip file and run it again.
        exit /b 1
    )
)
if not exist "%target%" mkdir "%target%"
if not exist "%target%" (
    echo Tarn4OL: the folder %target% cannot be made.
    exit /b 1
)
for %%f in (Tarn4OL.dll tarnrules.dll tarnrules.dict Language.ini tarn4ol.chm README.txt) do (
    copy /y "%source%%%f" "%target%\%%f" >nul
    if errorlevel 1 (
        echo Tarn4OL: %%f cannot be copied into %target%. If Outlook is running, close it and run install.cmd again.
        exit /b 1
    )
)
regsvr32 /s "%target%\Tarn4OL.dll"
if errorlevel 1 (
    echo Tarn4OL: the add-in was copied into %target% but could not be registered.
    echo Run "regsvr32 "%target%\Tarn4OL.dll"" to see why.
    exit /b 1
)
echo Tarn4OL is installed in %target%. Start Outlook: the toolbars Tarn-General and Tarn-Tools appear in its main window.
exit /b 0
