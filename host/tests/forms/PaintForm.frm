VERSION 5.00
Begin VB.Form PaintForm 
   AutoRedraw      =   -1  'True
   BackColor       =   &H00FFFFFF&
   Caption         =   "Drawing"
   ClientHeight    =   2250
   ClientWidth     =   3000
   FillColor       =   &H000000FF&
   FillStyle       =   0  'Solid
   ForeColor       =   &H00FF0000&
   MousePointer    =   2  'Cross
   Picture         =   "HostingForm.frx":0000
   ScaleMode       =   3  'Pixel
End
