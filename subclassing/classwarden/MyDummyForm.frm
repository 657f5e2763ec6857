VERSION 5.00
Begin VB.Form MyDummyForm 
   Caption         =   "Form3"
   ClientHeight    =   2535
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   3735
   LinkTopic       =   "MyDummyForm"
   ScaleHeight     =   2535
   ScaleWidth      =   3735
   Visible         =   0   'False
   StartUpPosition =   3  'Windows Default
End
Attribute VB_Name = "MyDummyForm"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
