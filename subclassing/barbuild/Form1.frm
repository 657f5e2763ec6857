VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "Form1"
   ClientHeight    =   2700
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4320
   LinkTopic       =   "Form1"
   ScaleHeight     =   2700
   ScaleWidth      =   4320
   StartUpPosition =   3  'Windows Default
   Begin VB.OptionButton Option1 
      Caption         =   " No menu "
      Height          =   315
      Index           =   0
      Left            =   240
      TabIndex        =   0
      Top             =   240
      Width           =   1575
      Value           =   -1  'True
   End
   Begin VB.OptionButton Option1 
      Caption         =   " Add menu "
      Height          =   315
      Index           =   1
      Left            =   240
      TabIndex        =   1
      Top             =   660
      Width           =   1575
   End
   Begin VB.Label Label1 
      BorderStyle     =   1  'Fixed Single
      Height          =   975
      Left            =   240
      TabIndex        =   2
      Top             =   1200
      Width           =   3855
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
