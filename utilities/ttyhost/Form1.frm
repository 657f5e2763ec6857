VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "Form1"
   ClientHeight    =   840
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4056
   LinkTopic       =   "Form1"
   ScaleHeight     =   840
   ScaleWidth      =   4056
   StartUpPosition =   3  'Windows Default
   Begin VB.CommandButton Command2 
      Caption         =   "Run Test.bat"
      Height          =   432
      Left            =   2100
      TabIndex        =   1
      Top             =   180
      Width           =   1632
   End
   Begin VB.CommandButton Command1 
      Caption         =   "Run console..."
      Height          =   432
      Left            =   240
      TabIndex        =   0
      Top             =   180
      Width           =   1632
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
