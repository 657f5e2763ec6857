VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "> Clickme here <"
   ClientHeight    =   3195
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4680
   LinkTopic       =   "Form1"
   ScaleHeight     =   3195
   ScaleWidth      =   4680
   StartUpPosition =   3  'Windows Default
   Begin VB.TextBox Text1 
      Height          =   285
      Left            =   120
      TabIndex        =   0
      Text            =   "99"
      Top             =   120
      Width           =   1215
   End
   Begin VB.CommandButton Command1 
      Caption         =   "Press tab a few times..."
      Height          =   375
      Left            =   1560
      TabIndex        =   1
      Top             =   120
      Width           =   2895
   End
   Begin VB.ListBox List1 
      Height          =   2010
      Left            =   120
      TabIndex        =   2
      Top             =   600
      Width           =   4335
   End
   Begin latchwire.LatchwireMe LatchwireMe1 
      Height          =   495
      Left            =   3960
      TabIndex        =   4
      Top             =   2640
      Width           =   495
      _ExtentX        =   873
      _ExtentY        =   873
   End
   Begin VB.Label Label1 
      Caption         =   "Set 2nd index and try to click another..."
      Height          =   255
      Left            =   120
      TabIndex        =   3
      Top             =   2760
      Width           =   3615
   End
End
