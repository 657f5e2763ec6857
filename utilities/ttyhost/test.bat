@echo off
echo This batch file runs in the console that ttyhost opened for it.
pause
