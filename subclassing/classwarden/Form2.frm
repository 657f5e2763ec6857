VERSION 5.00
Begin VB.Form Form2 
   Caption         =   "Form2"
   ClientHeight    =   2535
   ClientLeft      =   1800
   ClientTop       =   1500
   ClientWidth     =   3735
   LinkTopic       =   "Form2"
   ScaleHeight     =   2535
   ScaleWidth      =   3735
   StartUpPosition =   0  'Manual
End
Attribute VB_Name = "Form2"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
