VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "Form1"
   ClientHeight    =   1908
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4152
   LinkTopic       =   "Form1"
   ScaleHeight     =   1908
   ScaleWidth      =   4152
   StartUpPosition =   3  'Windows Default
   Begin VB.CheckBox Check1 
      Caption         =   " Wait until ready "
      Height          =   432
      Left            =   540
      TabIndex        =   1
      Top             =   900
      Value           =   1  'Checked
      Width           =   3072
   End
   Begin VB.CommandButton Command1 
      Caption         =   "Run calc.exe"
      Height          =   432
      Left            =   540
      TabIndex        =   0
      Top             =   360
      Width           =   3132
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
