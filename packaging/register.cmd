@echo off
rem Registers the controls of Regions.ocx, which lies beside this script, so
rem that programs and scripts can create them by name. Registration writes to
rem the machine's part of the registry: it needs an administrator.
setlocal
set "library=%~dp0Regions.ocx"
rem net session answers administrators only; fltmc too, where no server service
rem runs. Exit codes are tested with "if errorlevel": Wine's cmd runs the
rem command after || even when the one before it succeeded.
net session >nul 2>&1
if not errorlevel 1 goto administrator
fltmc >nul 2>&1
if errorlevel 1 goto no_administrator
:administrator
if not exist "%library%" goto missing
regsvr32 /s "%library%"
if errorlevel 1 goto failed
echo Registered the controls of "%library%".
exit /b 0

:no_administrator
echo register.cmd: registering needs administrator rights; nothing was registered. 1>&2
echo Open a command prompt with "Run as administrator" and run this script from there. 1>&2
exit /b 1

:missing
echo register.cmd: "%library%" is missing; run the script from the unpacked release folder. 1>&2
exit /b 1

:failed
echo register.cmd: regsvr32 failed on "%library%". 1>&2
exit /b 1
